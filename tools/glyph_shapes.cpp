#include "glyph_shapes.h"

#include <algorithm>
#include <array>

double sdStroke(V2 p, V2 a, V2 b, double halfWidth) { return sdSegment(p, a, b) - halfWidth; }

double sdTriangle(V2 p, V2 a, V2 b, V2 c) {
    const std::array<V2, 3> corners{a, b, c};
    return sdPolygon(p, corners);
}

double sdOpenRing(V2 p, V2 centre, double radius, double halfWidth, double gapAngle, double gapHalfAngle) {
    V2 d = p - centre;
    double angle = std::atan2(d.y, d.x);
    if (std::abs(wrap(angle - gapAngle)) > gapHalfAngle) return std::abs(length(d) - radius) - halfWidth;
    // Inside the gap the nearest point is one of the two round ends.
    V2 end1 = centre + polar(radius, gapAngle - gapHalfAngle);
    V2 end2 = centre + polar(radius, gapAngle + gapHalfAngle);
    return std::min(length(p - end1), length(p - end2)) - halfWidth;
}

double sdArrow(V2 p, V2 tail, V2 tip, double halfWidth, double headLength, double headHalfWidth) {
    V2 along = tip - tail;
    double len = length(along);
    V2 dir = along * (1 / len);
    V2 side{-dir.y, dir.x};
    V2 base = tip - dir * headLength;
    double shaft = sdStroke(p, tail, base + dir * 0.5, halfWidth);
    double head = sdTriangle(p, tip, base + side * headHalfWidth, base - side * headHalfWidth);
    return unite(shaft, head);
}

double sdPowerSign(V2 p, V2 centre, double size) {
    double s = size / 2;
    double ring = sdOpenRing(p, centre, s * 0.72, s * 0.13, -kPi / 2, 0.68);
    double bar = sdStroke(p, centre + V2{0, -s * 0.95}, centre + V2{0, -s * 0.2}, s * 0.13);
    return unite(ring, bar);
}

double sdTick(V2 p, V2 centre, double size) {
    double s = size / 2, w = s * 0.2;
    V2 knee = centre + V2{-s * 0.25, s * 0.55};
    return unite(sdStroke(p, centre + V2{-s * 0.8, s * 0.02}, knee, w),
                 sdStroke(p, knee, centre + V2{s * 0.85, -s * 0.7}, w));
}

double sdCross(V2 p, V2 centre, double size) {
    double s = size / 2 * 0.7, w = size / 2 * 0.19;
    return unite(sdStroke(p, centre + V2{-s, -s}, centre + V2{s, s}, w),
                 sdStroke(p, centre + V2{-s, s}, centre + V2{s, -s}, w));
}

double sdQuestionMark(V2 p, V2 centre, double size) {
    double s = size / 2, w = s * 0.15;
    V2 bowl = centre + V2{0, -s * 0.36};
    // The hook: an arc from the left over the top round to the lower right, then the stem.
    double hook = sdOpenRing(p, bowl, s * 0.4, w, kPi * 0.72, kPi * 0.36);
    double stem = sdStroke(p, bowl + polar(s * 0.4, kPi * 0.36), centre + V2{0, s * 0.22}, w);
    double dot = length(p - (centre + V2{0, s * 0.68})) - w * 1.3;
    return unite(unite(hook, stem), dot);
}

double sdGear(V2 p, V2 centre, double size, int teeth) {
    V2 d = p - centre;
    double r = length(d), angle = std::atan2(d.y, d.x);
    double outer = size / 2, root = outer * 0.74;
    // Each tooth is a band of angles around its middle with slightly sloping flanks.
    double step = 2 * kPi / teeth;
    double offCentre = std::abs(wrap(angle - step * std::round(angle / step))) * r;
    double tooth = std::max(offCentre - (outer * 0.25 - (r - root) * 0.3), r - outer);
    double body = r - root;
    double hole = outer * 0.3 - r;
    return std::max(std::min(body, tooth), hole);
}
