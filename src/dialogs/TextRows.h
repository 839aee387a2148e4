#pragma once

#include <QFont>
#include <QStringList>

#include "engine/CarrierLayout.h"

class QPlainTextEdit;

namespace velmora {

// The wrapping the functions below reproduce: at word boundaries, or anywhere for a word wider
// than the box; the vertical scroll bar always shown; Tab moves the focus on.
void setUpTextBox(QPlainTextEdit& box);

// Width left for text in a word-wrapping text box of the given outer width that always
// shows its vertical scroll bar.
int textBoxTextWidth(int boxWidth);

// The rows a word-wrapping text box of that text width shows for one paragraph: a row breaks
// after the last space that fits; a word wider than the box breaks at the width. An empty
// paragraph is one empty row.
QStringList displayRows(const QString& paragraph, const QFont& font, int textWidth);

// The lines a text box displays: one per row, a wrapped paragraph giving one line per row;
// the empty row after a final line break is not a line; an empty box has none.
QStringList displayedLines(const QPlainTextEdit& box);

// Lays extracted pieces out as a 600-pixel box, then each row as a 500-pixel box, would.
RewrapPiece textBoxRewrap(const QFont& font);

}  // namespace velmora
