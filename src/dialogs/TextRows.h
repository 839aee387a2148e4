#pragma once

#include <QFont>
#include <QStringList>

#include "engine/CarrierLayout.h"

class QPlainTextEdit;

namespace velmora {

// The program's text boxes wrap at word boundaries, or anywhere for a word wider than the box;
// they always show their vertical scroll bar; Tab moves the focus on.
void setUpTextBox(QPlainTextEdit& box);

// The lines a text box displays, read from the box's own layout: one per row, a wrapped
// paragraph giving one line per row; the empty row after a final line break is not a line; an
// empty box has none. Characters stay as the box holds them (a non-breaking space included).
QStringList displayedLines(const QPlainTextEdit& box);

// The lines of a text box's text, each whole however the box wraps it, characters as the box
// holds them; an empty box has none.
QStringList textLines(const QPlainTextEdit& box);

// Lays extracted pieces out as a 600-pixel text box, then each row as a 500-pixel one, would:
// boxes set up like the dialogs', in the given font.
RewrapPiece textBoxRewrap(const QFont& font);

}  // namespace velmora
