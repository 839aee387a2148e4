#include "dialog_tile.h"

#include "geometry.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kTile = 100;

// A fixed stream of numbers in [0, 1), the same on every run and every machine.
class Dice {
public:
    double next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

private:
    std::uint64_t state_ = 0x5eed0fb0bb1e5ull;
};

// The shortest way from a to b on the tile, across its edges if that is shorter, so that
// shapes running off one side come back in on the other.
V2 onTile(V2 d) { return {d.x - kTile * std::round(d.x / kTile), d.y - kTile * std::round(d.y / kTile)}; }

// Grain: smooth noise on a 10-pixel lattice that wraps with the tile.
double grain(V2 p, const std::vector<double>& lattice) {
    constexpr int kCells = 10, kStep = kTile / kCells;
    double gx = p.x / kStep, gy = p.y / kStep;
    int x0 = static_cast<int>(std::floor(gx)), y0 = static_cast<int>(std::floor(gy));
    double fx = smoothstep(0, 1, gx - x0), fy = smoothstep(0, 1, gy - y0);
    auto at = [&](int x, int y) {
        return lattice[static_cast<std::size_t>(((y % kCells + kCells) % kCells) * kCells +
                                                (x % kCells + kCells) % kCells)];
    };
    double top = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx;
    double bottom = at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

struct Bubble {
    V2 centre;
    double radius;
};

}  // namespace

Raster drawDialogTile() {
    Dice dice;
    std::vector<double> lattice(100);
    for (double& v : lattice) v = dice.next() - 0.5;
    std::vector<Bubble> bubbles;
    for (int i = 0; i < 11; ++i) bubbles.push_back({{dice.next() * kTile, dice.next() * kTile}, 3 + 8 * dice.next()});

    const Rgb ground{0.918, 0.93, 0.952};
    CoverPicture tile = renderCover(kTile, kTile, 4, [&](V2 p) {
        Rgb c = ground * (1 + 0.022 * grain(p, lattice) + 0.012 * grain(p * 3.0 + V2{37, 11}, lattice));
        for (const Bubble& b : bubbles) {
            V2 d = onTile(p - b.centre);
            double r = length(d);
            if (r > b.radius + 1.5) continue;
            // A thin film: a light rim, brighter where it faces the lamp, and a tiny window reflection.
            double film = 1 - smoothstep(0.0, 0.9, std::abs(r - b.radius));
            double facing = 0.5 - 0.5 * dot(d * (1 / std::max(r, 1e-6)), V2{0.6, 0.8});
            c = mix(c, kWhite, film * (0.35 + 0.4 * facing));
            c = mix(c, Rgb{0.66, 0.72, 0.84}, film * 0.16 * (1 - facing));
            double spark = length(d - V2{-0.45, -0.5} * b.radius) - b.radius * 0.16;
            c = mix(c, kWhite, 0.5 * (1 - smoothstep(-0.3, 0.6, spark)));
        }
        return Rgba{c, 1};
    });
    return over(tile, [](int, int) { return kBlack; });
}
