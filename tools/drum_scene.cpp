#include "drum_scene.h"

#include "materials.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

// ---------------------------------------------------------------------------------------------
// Laundry

constexpr V2 kShirt[] = {{-5, -11}, {-9, -10}, {-16, -5}, {-13, 1}, {-9, -2},  {-9, 12},  {9, 12},   {9, -2},
                         {13, 1},   {16, -5},  {9, -10},  {5, -11}, {2.5, -9}, {0, -8.5}, {-2.5, -9}};

double cutDistance(Cut cut, V2 p) {
    switch (cut) {
        case Cut::PictureShirt:
        case Cut::StripedShirt:
            return sdPolygon(p, kShirt);
        case Cut::Sock:
            return std::min(sdSegment(p, {0, -10}, {0, 3}), sdSegment(p, {0, 3}, {8, 6})) - 4;
        case Cut::Towel:
            return sdRoundBox(p, {14, 8}, 2.5);
    }
    return 1;
}

// A little landscape printed on the shirt: the loaded picture, going through the wash.
Rgb print(V2 p) {
    if (sdRoundBox(p - V2{0, -2}, {5, 4}, 0.5) > -0.7) return {0.22, 0.27, 0.38};
    if (p.y > 0.6 + 1.6 * std::cos(p.x * 0.6 + 0.8)) return {0.30, 0.68, 0.32};
    if (length(p - V2{2.2, -3.4}) < 1.7) return {1.0, 0.84, 0.25};
    return {0.45, 0.72, 0.97};
}

Rgb cutColour(Cut cut, V2 p) {
    switch (cut) {
        case Cut::PictureShirt:
            if (std::abs(p.x) <= 5 && p.y >= -6 && p.y <= 2) return print(p);
            return {0.96, 0.95, 0.92};
        case Cut::StripedShirt:
            return std::fmod(p.y + 40, 5) < 1.8 ? Rgb{0.98, 0.95, 0.9} : Rgb{0.90, 0.22, 0.27};
        case Cut::Sock: {
            bool rib = p.y < -10.5 || (p.y > -9 && p.y < -7.5);
            bool toe = p.x > 5.5, heel = length(p - V2{-1, 5}) < 3;
            return rib || toe || heel ? Rgb{1.0, 0.82, 0.25} : Rgb{0.20, 0.70, 0.45};
        }
        case Cut::Towel:
            if (std::abs(p.x) > 12.5) return {1.0, 0.78, 0.86};
            return std::abs(std::abs(p.x) - 9.5) < 1.2 ? Rgb{0.98, 0.96, 0.95} : Rgb{0.93, 0.40, 0.62};
    }
    return {};
}

struct OnGarment {
    V2 local;         // in the garment's own coordinates
    double distance;  // in drum pixels
};

OnGarment locate(const Garment& g, V2 q) {
    V2 p = rotate(q - g.position, -g.angle);
    V2 local{p.x / g.scale.x, p.y / g.scale.y};
    return {local, cutDistance(g.cut, local) * std::min(g.scale.x, g.scale.y)};
}

// Cloth looks soft when it darkens towards its edges and carries a few gentle folds.
Rgb cloth(const Garment& g, const OnGarment& at) {
    double fold = 1 + 0.07 * std::sin(at.local.x * 0.8 + 2 * std::sin(at.local.y * 0.3));
    double rim = 1 - 0.3 * smoothstep(-4, 0, at.distance);
    double outline = at.distance > -0.8 ? 0.6 : 1.0;
    return cutColour(g.cut, at.local) * (fold * rim * outline);
}

// ---------------------------------------------------------------------------------------------
// The drum window

constexpr double kOuter = kDrumSize / 2.0;  // outside edge of the chrome bezel
constexpr double kBezelInner = 49.5;
constexpr double kDoor = 48.5;   // the door's own rim ends here; the 1 px between is a dark gap
constexpr double kMouth = 44;    // inside of the rubber seal, where the drum starts
constexpr double kBack = 26;     // the drum's back wall, seen through its length

// The hole on a ring of evenly spaced holes that lies nearest to the given angle.
V2 nearestHole(double angle, double radius, int count, double offset) {
    double step = 2 * kPi / count;
    return polar(radius, offset + step * std::round(wrap(angle - offset) / step));
}

const Rgb kHole{0.09, 0.10, 0.12};

Rgb backWall(V2 q, double r, double angle) {
    Rgb c = mix({0.58, 0.61, 0.66}, {0.34, 0.36, 0.41}, (r / kBack) * (r / kBack));
    if (r < 4.5) return r > 3.5 ? c * 0.7 : Rgb{0.55, 0.58, 0.63};
    struct Ring {
        double radius;
        int count;
    };
    for (Ring ring : {Ring{10, 6}, Ring{16, 12}, Ring{22, 18}})
        if (length(q - nearestHole(angle, ring.radius, ring.count, 0)) < 1.15) return kHole;
    return c;
}

// The inside of the drum's cylinder, foreshortened into a ring: its floor faces the light
// coming through the door, its ceiling stays dim, and three lifters stand out from it. Only
// the lifters follow the drum's turn: the perforations are too fine and too close together
// to follow at this frame rate and would seem to crawl backwards.
Rgb drumWall(double turn, V2 q, double r, double angle) {
    double depth = clamp01((r - kBack) / (kMouth - kBack));
    double lit = 0.30 + 0.14 * std::max(0.0, std::sin(angle)) + 0.12 * depth;
    if (r < kBack + 0.8) lit *= 0.6;  // the seam with the back wall

    constexpr double kLifterHalfWidth = 0.13;
    for (int k = 0; k < 3; ++k) {
        double across = wrap(angle - turn - k * 2 * kPi / 3) / kLifterHalfWidth;
        if (std::abs(across) < 1) {
            double edge = std::abs(across) > 0.8 ? 0.7 : 1.0;
            return Rgb{0.80, 0.84, 0.90} * ((lit + 0.16 - 0.10 * across) * edge);
        }
    }
    const double rows[] = {0.25, 0.52, 0.8};
    for (int row = 0; row < 3; ++row) {
        double radius = kBack + rows[row] * (kMouth - kBack);
        double offset = row == 1 ? kPi / 30 : 0;  // stagger the middle row
        if (length(q - nearestHole(angle, radius, 30, offset)) < 0.7 + 0.8 * rows[row]) return kHole;
    }
    return Rgb{0.78, 0.82, 0.90} * lit;
}

double waterSurface(const Water& w, double x) { return w.level + 1.6 * std::sin(x * 0.17 + w.phase) + w.tilt * x; }

// Tinted, deepening water with a line of suds on top and a few bubbles rising through it.
Rgb throughWater(Rgb c, const Water& w, V2 q) {
    double surface = waterSurface(w, q.x);
    double depth = q.y - surface;
    for (int i = 0; i < 9; ++i) {
        double x = -30 + i * 7.5 + 1.5 * std::sin(w.phase + i);
        double y = waterSurface(w, x) - 0.3 + 0.5 * std::sin(w.phase * 2 + i * 1.7);
        if (length(q - V2{x, y}) < 1.6 + 0.6 * std::sin(i * 2.3)) return mix(c, {0.88, 0.94, 1.0}, 0.85);
    }
    if (depth < 0) return c;
    c = mix(c, {0.18, 0.42, 0.74}, 0.42 + 0.25 * smoothstep(w.level, w.level + 22, q.y));
    if (depth < 1.3) return mix(c, {0.86, 0.93, 1.0}, 0.75);
    for (int i = 0; i < 6; ++i) {
        double rise = std::fmod(w.phase / (2 * kPi) + i * 0.37, 1.0);
        V2 bubble{-22 + i * 9 + 2 * std::sin(w.phase + i * 2), kMouth - rise * 22};
        if (bubble.y - waterSurface(w, bubble.x) < 2) continue;
        if (std::abs(length(q - bubble) - 1.2) < 0.45) return mix(c, kWhite, 0.6);
    }
    return c;
}

}  // namespace

std::vector<Garment> oldLaundry() {
    return {{Cut::Towel, {-15, 27}, -0.2}, {Cut::StripedShirt, {15, 25}, 0.3}, {Cut::Sock, {-2, 28}, 1.35}};
}

const Garment kPictureAtRest{Cut::PictureShirt, {1, 15}, -0.08};

std::vector<Garment> loadedLaundry() {
    std::vector<Garment> pile = oldLaundry();
    pile.push_back(kPictureAtRest);
    return pile;
}

Rgb drumInside(const DrumScene& s, V2 q) {
    double r = length(q), angle = std::atan2(q.y, q.x);
    Rgb c = r < kBack ? backWall(q, r, angle) : drumWall(s.drumTurn, q, r, angle);

    // Laundry lying on the drum casts a soft shadow down and to the right, away from the lamp.
    double shadow = 1e9;
    for (const Garment& g : s.laundry) shadow = std::min(shadow, locate(g, q - V2{1.5, 2.5}).distance);
    c = c * (1 - 0.35 * (1 - smoothstep(-2, 2, shadow)));

    for (const Garment& g : s.laundry)
        if (OnGarment at = locate(g, q); at.distance < 0) c = cloth(g, at);
    return s.water ? throughWater(c, *s.water, q) : c;
}

// Bluish, thicker and darker towards the rim, mirroring the room in a curved band.
Rgb throughGlass(Rgb c, V2 l, std::optional<double> glint) {
    double r = length(l), angle = std::atan2(l.y, l.x);
    c = c * Rgb{0.80, 0.88, 0.98} + Rgb{0.03, 0.06, 0.10};
    c = mix(c, {0.10, 0.16, 0.25}, 0.5 * smoothstep(kGlass - 7, kGlass, r));

    auto band = [r](double from, double to) {
        return smoothstep(from, from + 2.5, r) * (1 - smoothstep(to - 2, to, r));
    };
    c = mix(c, kWhite, 0.40 * smoothstep(0.3, 0.85, std::cos(angle + 3 * kPi / 4)) * band(kGlass - 12, kGlass - 3.5));
    c = mix(c, kWhite, 0.18 * smoothstep(0.55, 0.95, std::cos(angle - kPi / 4)) * band(kGlass - 7.5, kGlass - 1.5));

    V2 spot = rotate(l - V2{-15, -19}, kPi / 4);  // long axis along the rim
    if ((spot.x / 5) * (spot.x / 5) + (spot.y / 2) * (spot.y / 2) < 1) c = mix(c, kWhite, 0.75);

    if (glint) {
        double across = (l.x + l.y) / std::sqrt(2.0) - *glint;
        double light =
            0.35 * (1 - smoothstep(0, 4, std::abs(across))) + 0.25 * (1 - smoothstep(0, 1.2, std::abs(across - 6.5)));
        c = mix(c, kWhite, light);
    }
    return c;
}

namespace {

// A four-pointed star with a soft core; 0 away from it, 1 at its heart.
double sparkle(V2 d, double size) {
    double x = std::abs(d.x) / size, y = std::abs(d.y) / size;
    double star = 1 - (std::pow(x, 0.6) + std::pow(y, 0.6));
    double glow = std::exp(-(x * x + y * y) * 8);
    return clamp01(std::max(star * 3, glow));
}

}  // namespace

std::optional<Rgb> shadeDrum(const DrumScene& s, V2 q) {
    double r = length(q);
    if (r > kOuter) return std::nullopt;
    V2 outward = r > 0 ? q * (1 / r) : V2{1, 0};

    Rgb c;
    if (r >= kBezelInner)
        c = chrome(tubeNormal(outward, acrossRing(r, kBezelInner, kOuter), 0.9));
    else if (r >= kDoor)
        c = {0.07, 0.075, 0.085};
    else if (r >= kMouth)
        c = rubber(outward, acrossRing(r, kMouth, kDoor));
    else
        c = drumInside(s, q);

    // Seen from the front, a door turning on its left hinge narrows into an ellipse.
    double facing = std::cos(s.doorOpen * kPi / 2);
    if (facing > 0.03) {
        V2 l{(q.x + kDoor) / facing - kDoor, q.y};
        double rl = length(l);
        if (rl < kGlass) {
            c = throughGlass(c, l, s.glint);
        } else if (rl < kDoor) {
            // The door's rim is a little duller than the bezel and darkens as it turns away.
            c = chrome(tubeNormal(l * (1 / rl), acrossRing(rl, kGlass, kDoor), 0.75)) * (0.92 * (0.55 + 0.45 * facing));
        }
    }

    for (const Sparkle& sp : s.sparkles) c = mix(c, {1.0, 1.0, 0.92}, sparkle(q - sp.position, sp.size));
    return c;
}
