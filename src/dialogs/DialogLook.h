#pragma once

#include <QRect>
#include <QSize>

#include "anim/EtchedBorder.h"

class QWidget;

namespace velmora {

// The look every dialog shares; its pictures are the built-in ones of skin/Look.h.

// The 100 x 100 tile repeated over the dialog's whole client area, beneath every control.
void addTiledBackground(QWidget& dialog);

// An etched frame round a group of controls (Box) or a line above one (Separator), just above
// the background.
EtchedBorder* addEtchedBorder(QWidget& dialog, QRect place, EtchedBorder::Shape shape = EtchedBorder::Shape::Box);

// The room the layouts leave left of their controls, and so below and right of them too.
inline constexpr int kDialogMargin = 8;

// The client area of a dialog whose controls fill `controls`, with kDialogMargin below and
// right of them. It depends on the controls alone, not on the frame a desktop puts round the
// dialog (none on a bare X server), so no empty band is ever left.
QSize clientSizeAround(QRect controls);

// A dialog of one size, which the desktop offers neither to resize nor to maximise.
void fixDialogSize(QWidget& dialog, QSize client);

}  // namespace velmora
