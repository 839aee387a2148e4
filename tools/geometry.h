// Plane and space vectors, easing curves and signed distances: the vocabulary every picture
// of the generator is described in.
#pragma once

#include <cmath>
#include <numbers>
#include <span>

constexpr double kPi = std::numbers::pi;

struct V2 {
    double x = 0, y = 0;
};
inline V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
inline V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
inline V2 operator*(V2 a, double k) { return {a.x * k, a.y * k}; }
inline double dot(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }
inline double length(V2 a) { return std::hypot(a.x, a.y); }
inline V2 rotate(V2 a, double angle) {
    double c = std::cos(angle), s = std::sin(angle);
    return {c * a.x - s * a.y, s * a.x + c * a.y};
}
inline V2 polar(double radius, double angle) { return {radius * std::cos(angle), radius * std::sin(angle)}; }

struct V3 {
    double x = 0, y = 0, z = 0;
};
inline double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 normalized(V3 a) {
    double n = std::sqrt(dot(a, a));
    return {a.x / n, a.y / n, a.z / n};
}

double clamp01(double v);
double smoothstep(double edge0, double edge1, double x);
// The same angle folded into (-pi, pi], so angular distances can be compared directly.
double wrap(double angle);

// Signed distances: negative inside a shape, positive outside, in the shape's own units.
double sdSegment(V2 p, V2 a, V2 b);
double sdRoundBox(V2 p, V2 half, double radius);
double sdPolygon(V2 p, std::span<const V2> v);

// How much of a sample a shape covers when its edge is softened over `soft` units; with
// `soft` about half a pixel the supersampling then smooths the rest.
inline double inside(double distance, double soft = 0.0) {
    if (soft <= 0) return distance < 0 ? 1.0 : 0.0;
    return 1 - smoothstep(-soft, soft, distance);
}

// A rectangle given by its edges, with rounded corners.
inline double sdRect(V2 p, double left, double top, double right, double bottom, double radius = 0) {
    return sdRoundBox(p - V2{(left + right) / 2, (top + bottom) / 2}, {(right - left) / 2, (bottom - top) / 2}, radius);
}
