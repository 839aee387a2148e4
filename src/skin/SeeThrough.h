#pragma once

#include <QImage>

namespace velmora {

// The program's BMP pictures have no alpha channel: one colour of each stands for "nothing
// here", such as the magenta round a glyph or a language's flag.

// Every pixel of the colour (its red, green and blue) becomes the replacement.
void replaceColour(QImage& picture, QRgb colour, QRgb replacement);

// The picture as ARGB with the colour of its bottom-left pixel transparent, as glyphs and
// flags are drawn.
QImage withSeeThroughCorner(const QImage& picture);

}  // namespace velmora
