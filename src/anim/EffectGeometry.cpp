#include "anim/EffectGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

using Point = EffectGeometry::Point;

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kGridCells = 6;                   // scatter-gather: cells per row and column
constexpr float kGridCellsF = 6.0f;
constexpr float kFifthTurn = 1.2566371f;        // vortex: 72 degrees between the rectangles
constexpr float kFirstSpikeAngle = 0.5759587f;  // 33 degrees
constexpr float kSpikeAngleStep = 0.3839724f;   // 22 degrees per triangle
constexpr int kSpikesPerSide = 4;

// How far each effect turns, in radians (the grid's constant only gives its cell count).
float turnOf(EffectKind kind) {
    switch (kind) {
    case EffectKind::Spin:
    case EffectKind::Fireworks: return 2 * kPi;
    case EffectKind::Vortex:
    case EffectKind::Spike: return kPi;
    default: return 0;
    }
}

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(float s, Point p) { return {s * p.x, s * p.y}; }
bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }

// Turns an offset by `angle` in screen coordinates, where y grows downwards.
Point rotated(Point p, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

// Cut toward zero. The clamp only keeps absurd windows from overflowing the conversion.
int pixel(float v) {
    constexpr float kLimit = 1.0e9f;
    return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

// A closed polygon ending where it began, as computed, collapses and is left out.
void addPolygon(Outline& outline, std::initializer_list<Point> vertices) {
    if (*vertices.begin() == *(vertices.end() - 1)) return;
    Polygon polygon;
    for (Point v : vertices) polygon.emplace_back(pixel(v.x), pixel(v.y));
    outline.push_back(std::move(polygon));
}

// An axis-aligned rectangle about its centre; one without width or height is left out.
void addRectangle(Outline& outline, Point c, float rx, float ry) {
    if (rx == 0 || ry == 0) return;
    addPolygon(outline, {{c.x - rx, c.y + ry}, {c.x + rx, c.y + ry}, {c.x + rx, c.y - ry}, {c.x - rx, c.y - ry}});
}

}  // namespace

EffectGeometry::EffectGeometry(EffectKind kind, const QRect& window, int steps, int fireworkBlasts)
    : kind_(kind),
      centre_{static_cast<float>(window.left()) + static_cast<float>(window.width()) / 2,
              static_cast<float>(window.top()) + static_cast<float>(window.height()) / 2},
      halfWidth_(static_cast<float>(window.width()) / 2),
      halfHeight_(static_cast<float>(window.height()) / 2),
      steps_(steps) {
    if (kind_ == EffectKind::Spike) prepareSpikes();
    if (kind_ == EffectKind::Fireworks) prepareLaunchPoints(fireworkBlasts);
}

Outline EffectGeometry::outline(int step) const {
    // Without steps nothing grows (and the growth fraction would divide by zero).
    if (steps_ <= 0) return {};
    switch (kind_) {
    case EffectKind::Spin: return spin(step);
    case EffectKind::Vortex: return vortex(step);
    case EffectKind::ScatterGather: return scatterGather(step);
    case EffectKind::Spike: return spike(step);
    case EffectKind::Fireworks: return fireworks(step);
    default: return {};
    }
}

// The window's rectangle, grown by step/steps about the centre and turned back from one full turn.
Outline EffectGeometry::spin(int step) const {
    const float n = static_cast<float>(steps_);
    const float t = static_cast<float>(step) / n;
    const float angle = static_cast<float>(step - steps_) * turnOf(kind_) / n;
    const Point q = rotated(t * Point{halfWidth_, halfHeight_}, angle);
    const Point p = rotated(t * Point{halfWidth_, -halfHeight_}, angle);
    Outline outline;
    addPolygon(outline, {centre_ - q, centre_ - p, centre_ + q, centre_ + p});
    return outline;
}

// Five growing rectangles whose centres spiral in from the window's corner, a fifth of a turn apart.
Outline EffectGeometry::vortex(int step) const {
    const float n = static_cast<float>(steps_);
    const float k = static_cast<float>(step);
    const float rx = k * halfWidth_ / n;
    const float ry = k * halfHeight_ / n;
    const float scale = 4 * (n - k) / (3 * n);
    Point offset = rotated(scale * Point{halfWidth_, halfHeight_}, k * turnOf(kind_) / n);
    Outline outline;
    for (int i = 0; i < 5; ++i) {
        addRectangle(outline, centre_ + offset, rx, ry);
        offset = rotated(offset, kFifthTurn);
    }
    return outline;
}

// A 6 × 6 grid of cells flying in from three times their distance and growing until they tile the window.
Outline EffectGeometry::scatterGather(int step) const {
    const float n = static_cast<float>(steps_);
    const float k = static_cast<float>(step);
    const float spread = (3 * n - 2 * k) / n;
    const float rx = k * halfWidth_ / (kGridCellsF * n);
    const float ry = k * halfHeight_ / (kGridCellsF * n);
    Outline outline;
    for (int i = 0; i < kGridCells; ++i) {
        for (int j = 0; j < kGridCells; ++j) {
            const Point cell{static_cast<float>(2 * i - 5) * halfWidth_ / kGridCellsF,
                             static_cast<float>(2 * j - 5) * halfHeight_ / kGridCellsF};
            addRectangle(outline, centre_ + spread * cell, rx, ry);
        }
    }
    return outline;
}

// Sixteen triangles from the centre to the border, four per side, going round from the
// bottom-left corner: bottom, right side, top, left side.
void EffectGeometry::prepareSpikes() {
    const float left = centre_.x - halfWidth_;
    const float right = centre_.x + halfWidth_;
    const float bottom = centre_.y + halfHeight_;
    const float top = centre_.y - halfHeight_;
    const std::array<Point, 5> corners{{{left, bottom}, {right, bottom}, {right, top}, {left, top}, {left, bottom}}};
    const float reach = (halfWidth_ - halfHeight_) * 4 / 5;
    for (int side = 0; side < 4; ++side) {
        const Point from = corners[side];
        const Point along = corners[side + 1] - from;
        for (int m = 0; m < kSpikesPerSide; ++m) {
            Triangle triangle;
            triangle.vertices = {centre_, from + static_cast<float>(m) / kSpikesPerSide * along,
                                 from + static_cast<float>(m + 1) / kSpikesPerSide * along};
            const auto& [v0, v1, v2] = triangle.vertices;
            triangle.centroid = {(v0.x + v1.x + v2.x) / 3, (v0.y + v1.y + v2.y) / 3};
            const auto index = static_cast<float>(triangles_.size());
            const Point start = centre_ + rotated({0, reach}, kFirstSpikeAngle - kSpikeAngleStep * index);
            triangle.scatter = start - triangle.centroid;
            triangles_.push_back(triangle);
        }
    }
}

// The triangles first spin and grow at their scatter points, then fly home without turning.
Outline EffectGeometry::spike(int step) const {
    const float n = static_cast<float>(steps_);
    const float k = static_cast<float>(step);
    const float t = k / n;
    const bool spinning = step < steps_ / 2;
    const float angle = (1 - 2 * k / n) * turnOf(kind_);
    const float away = spinning ? 1 : 1 - (2 * k - n) / n;
    Outline outline;
    for (const Triangle& triangle : triangles_) {
        std::array<Point, 3> moved;
        for (std::size_t v = 0; v < 3; ++v) {
            const Point offset = triangle.vertices[v] - triangle.centroid;
            moved[v] = triangle.centroid + t * (spinning ? rotated(offset, angle) : offset) + away * triangle.scatter;
        }
        addPolygon(outline, {moved[0], moved[1], moved[2]});
    }
    return outline;
}

// Launch points spread evenly on a circle about the centre, starting straight below it.
void EffectGeometry::prepareLaunchPoints(int blasts) {
    const float reach = (halfWidth_ - halfHeight_) * 5 / 3;
    for (int j = 0; j < blasts; ++j) {
        const float angle = 2 * kPi * static_cast<float>(j) / static_cast<float>(blasts);
        launchPoints_.push_back(centre_ + rotated({0, reach}, angle));
    }
}

// From every launch point, a copy of the window's rectangle turns and grows on its way to the window.
Outline EffectGeometry::fireworks(int step) const {
    const float t = static_cast<float>(step) / static_cast<float>(steps_);
    const float angle = (1 - t) * turnOf(kind_);
    const std::array<Point, 4> corners{{{-halfWidth_, -halfHeight_}, {halfWidth_, -halfHeight_},
                                        {halfWidth_, halfHeight_}, {-halfWidth_, halfHeight_}}};
    std::array<Point, 4> turned;
    for (std::size_t i = 0; i < 4; ++i) turned[i] = rotated(t * corners[i], angle);
    Outline outline;
    for (Point launch : launchPoints_) {
        const Point c = t * centre_ + (1 - t) * launch;
        addPolygon(outline, {c + turned[0], c + turned[1], c + turned[2], c + turned[3]});
    }
    return outline;
}

QRect outlineExtent(const std::vector<Outline>& outlines) {
    QRect extent;
    for (const Outline& outline : outlines) {
        for (const Polygon& polygon : outline) {
            for (const QPoint& v : polygon) extent |= QRect(v, QSize(1, 1));
        }
    }
    return extent;
}

}  // namespace velmora
