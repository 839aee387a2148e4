#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

#include "anim/EffectGeometry.h"

namespace velmora {

// The pixels of a line from `from` up to, but without, `to`: one pixel per step along the longer
// axis. Leaving the end out lets a polygon's lines meet without covering a corner twice.
std::vector<QPoint> linePixels(QPoint from, QPoint to);

// Which pixels of a screen area an inverting pen has turned. Every line toggles the pixels it
// covers, so anything drawn twice is gone again; pixels outside the area are not kept.
class InvertCanvas {
public:
    explicit InvertCanvas(const QRect& area);  // in screen coordinates

    // Draws each polygon from vertex to vertex and back to the first vertex; returns the
    // bounding rectangle of the pixels it toggled (screen coordinates, empty when none).
    QRect invert(const Outline& outline);

    const QRect& area() const { return area_; }
    bool lit(QPoint screenPixel) const;
    int litCount() const { return litCount_; }
    // Row `y` of the area (0 is its top), one byte per pixel: 1 where lit, 0 elsewhere.
    const std::uint8_t* litRow(int y) const;

private:
    void toggle(QPoint screenPixel, QRect& changed);
    std::size_t indexOf(QPoint screenPixel) const;  // of a pixel inside the area

    QRect area_;
    std::vector<std::uint8_t> pixels_;  // row by row, 1 where lit
    int litCount_ = 0;
};

}  // namespace velmora
