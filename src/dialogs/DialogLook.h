#pragma once

#include <QRect>

#include "anim/EtchedBorder.h"

class QWidget;

namespace velmora {

// The look every dialog shares; its pictures are the built-in ones of skin/Look.h.

// The 100 x 100 tile repeated over the dialog's whole client area, beneath every control.
void addTiledBackground(QWidget& dialog);

// An etched frame round a group of controls (Box) or a line above one (Separator), just above
// the background.
EtchedBorder* addEtchedBorder(QWidget& dialog, QRect place, EtchedBorder::Shape shape = EtchedBorder::Shape::Box);

}  // namespace velmora
