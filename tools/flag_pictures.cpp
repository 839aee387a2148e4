#include "flag_pictures.h"

#include "glyph_shapes.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kSize = 16;
constexpr double kTop = 2, kBottom = 14;  // the flag's rows: 16 x 12

// A flag's cloth: its design, a gentle wave of light across it and a darker hem.
Raster drawFlag(const std::function<Rgb(V2)>& design) {
    CoverPicture cloth = renderCover(kSize, kSize, 8, [&](V2 p) {
        if (p.y < kTop || p.y >= kBottom) return Rgba{};
        Rgb c = design(p);
        double light = 1.0 + 0.035 * std::sin(p.x * 0.55 - 0.6) - 0.06 * (p.y - kTop) / (kBottom - kTop);
        c = c * light;
        double hem = std::min({p.x, kSize - p.x, p.y - kTop, kBottom - p.y});
        if (hem < 1) c = mix(c, Rgb{0.25, 0.25, 0.3}, 0.35);
        return Rgba{c, 1};
    });
    Raster raster = over(cloth, [](int, int) { return kBlack; });
    keyOut(
        raster, [](int, int y) { return y >= kTop && y < kBottom; }, kFlagKey);
    return raster;
}

}  // namespace

Raster drawEnglishFlag() {
    const Rgb blue{0.05, 0.20, 0.56}, red{0.82, 0.10, 0.16}, white{0.98, 0.98, 0.98};
    return drawFlag([=](V2 p) {
        const V2 c{8, 8};
        const V2 topLeft{0, kTop}, bottomRight{16, kBottom}, bottomLeft{0, kBottom}, topRight{16, kTop};
        double diagonals = std::min(sdSegment(p, topLeft, bottomRight), sdSegment(p, bottomLeft, topRight));
        double cross = std::min(std::abs(p.x - c.x), std::abs(p.y - c.y));
        if (cross < 1) return red;
        if (cross < 2) return white;
        if (diagonals < 0.6) return red;
        if (diagonals < 1.7) return white;
        return blue;
    });
}

Raster drawRussianFlag() {
    return drawFlag([](V2 p) {
        if (p.y < kTop + 4) return Rgb{0.98, 0.98, 0.98};
        if (p.y < kTop + 8) return Rgb{0.0, 0.24, 0.66};
        return Rgb{0.84, 0.12, 0.16};
    });
}
