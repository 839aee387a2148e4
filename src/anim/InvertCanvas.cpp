#include "anim/InvertCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace velmora {

std::vector<QPoint> linePixels(QPoint from, QPoint to) {
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    std::vector<QPoint> pixels;
    pixels.reserve(static_cast<std::size_t>(std::max(dx, -dy)));
    int error = dx + dy;
    QPoint p = from;
    while (p != to) {
        pixels.push_back(p);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
    return pixels;
}

InvertCanvas::InvertCanvas(const QRect& area)
    : area_(area.isEmpty() ? QRect() : area),
      pixels_(static_cast<std::size_t>(area_.width()) * static_cast<std::size_t>(area_.height()), 0) {}

QRect InvertCanvas::invert(const Outline& outline) {
    QRect changed;
    for (const Polygon& polygon : outline) {
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const QPoint& next = polygon[(i + 1) % polygon.size()];
            for (QPoint p : linePixels(polygon[i], next)) toggle(p, changed);
        }
    }
    return changed;
}

void InvertCanvas::toggle(QPoint screenPixel, QRect& changed) {
    if (!area_.contains(screenPixel)) return;
    std::uint8_t& pixel = pixels_[indexOf(screenPixel)];
    pixel ^= 1;
    litCount_ += pixel ? 1 : -1;
    changed |= QRect(screenPixel, QSize(1, 1));
}

bool InvertCanvas::lit(QPoint screenPixel) const {
    return area_.contains(screenPixel) && pixels_[indexOf(screenPixel)] != 0;
}

std::size_t InvertCanvas::indexOf(QPoint screenPixel) const {
    const QPoint local = screenPixel - area_.topLeft();
    return static_cast<std::size_t>(local.y()) * static_cast<std::size_t>(area_.width()) +
           static_cast<std::size_t>(local.x());
}

const std::uint8_t* InvertCanvas::litRow(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(area_.width());
}

}  // namespace velmora
