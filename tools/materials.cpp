#include "materials.h"

#include <algorithm>

double acrossRing(double r, double inner, double outer) { return (r - inner) / (outer - inner) * 2 - 1; }

V3 tubeNormal(V2 outward, double t, double bulge) {
    double s = std::clamp(t, -1.0, 1.0) * bulge;
    return {outward.x * s, outward.y * s, std::sqrt(1 - s * s)};
}

Rgb chrome(V3 n) {
    V3 mirrored{2 * n.z * n.x, 2 * n.z * n.y, 2 * n.z * n.z - 1};
    double up = -mirrored.y + 0.12;
    Rgb ceiling = mix({0.70, 0.76, 0.84}, {0.97, 0.98, 1.0}, clamp01(up * 1.6));
    Rgb floor = mix({0.42, 0.44, 0.48}, {0.13, 0.14, 0.17}, clamp01(-up * 2.5));
    Rgb c = mix(floor, ceiling, smoothstep(-0.03, 0.03, up));
    double spot = std::pow(std::max(0.0, dot(mirrored, kLamp)), 40);
    return c + kWhite * (0.7 * spot);
}

Rgb rubber(V2 outward, double t) {
    V3 n = tubeNormal(outward, t, 0.95);
    double folds = 0.03 * std::sin(std::atan2(outward.y, outward.x) * 28);
    return Rgb{0.11, 0.115, 0.13} + Rgb{0.22, 0.22, 0.24} * (std::max(0.0, dot(n, kLamp)) + folds);
}

Rgb glossy(Rgb base, V3 n, double shine) {
    const V3 half = normalized({kLamp.x, kLamp.y, kLamp.z + 1});
    double light = 1 + 0.9 * (dot(n, kLamp) - kLamp.z);
    double highlight = std::pow(std::max(0.0, dot(n, half)), 60) * shine;
    return base * light + kWhite * highlight;
}
