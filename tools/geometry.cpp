#include "geometry.h"

#include <algorithm>

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smoothstep(double edge0, double edge1, double x) {
    double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

double wrap(double angle) { return angle - 2 * kPi * std::round(angle / (2 * kPi)); }

double sdSegment(V2 p, V2 a, V2 b) {
    V2 pa = p - a, ba = b - a;
    double h = clamp01(dot(pa, ba) / dot(ba, ba));
    return length(pa - ba * h);
}

double sdRoundBox(V2 p, V2 half, double radius) {
    V2 q{std::abs(p.x) - half.x + radius, std::abs(p.y) - half.y + radius};
    return length({std::max(q.x, 0.0), std::max(q.y, 0.0)}) + std::min(std::max(q.x, q.y), 0.0) - radius;
}

double sdPolygon(V2 p, std::span<const V2> v) {
    double d = dot(p - v[0], p - v[0]);
    double sign = 1;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        V2 e = v[j] - v[i], w = p - v[i];
        V2 b = w - e * clamp01(dot(w, e) / dot(e, e));
        d = std::min(d, dot(b, b));
        // Each edge crossed on the way out flips inside and outside.
        bool above = p.y >= v[i].y;
        bool below = p.y < v[j].y;
        bool left = e.x * w.y > e.y * w.x;
        if ((above && below && left) || (!above && !below && !left)) sign = -sign;
    }
    return sign * std::sqrt(d);
}
