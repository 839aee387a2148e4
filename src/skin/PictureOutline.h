#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include <vector>

namespace velmora {

// The outline of a picture: every pixel whose colour differs from the transparent colour.
// Each row contributes one rectangle per run of such pixels; rows directly below each other
// with exactly the same runs share their rectangles, as a region union keeps them (bands from
// top to bottom, each band's rectangles from left to right). Alpha is ignored: colours are
// compared as RGB.
std::vector<QRect> outlineRects(const QImage& picture, QRgb transparent);

// The same outline as a region; an empty picture or one without any opaque pixel gives none.
QRegion outlineRegion(const QImage& picture, QRgb transparent);

}  // namespace velmora
