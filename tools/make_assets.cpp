// Draws the drum window's animations and the About emblem and writes them as GIFs into the
// folder named on the command line. Every picture is computed from geometry, sample by sample,
// so the artwork can be regenerated and tweaked without any image editor.
#include "gif_encode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <numbers>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

struct V2 {
    double x = 0, y = 0;
};
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
V2 operator*(V2 a, double k) { return {a.x * k, a.y * k}; }
double dot(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }
double length(V2 a) { return std::hypot(a.x, a.y); }
V2 rotate(V2 a, double angle) {
    double c = std::cos(angle), s = std::sin(angle);
    return {c * a.x - s * a.y, s * a.x + c * a.y};
}
V2 polar(double radius, double angle) { return {radius * std::cos(angle), radius * std::sin(angle)}; }

struct V3 {
    double x = 0, y = 0, z = 0;
};
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 normalized(V3 a) {
    double n = std::sqrt(dot(a, a));
    return {a.x / n, a.y / n, a.z / n};
}

Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
Rgb mix(Rgb a, Rgb b, double t) { return a * (1 - t) + b * t; }

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double smoothstep(double edge0, double edge1, double x) {
    double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}
// The same angle folded into (-pi, pi], so angular distances can be compared directly.
double wrap(double angle) { return angle - 2 * kPi * std::round(angle / (2 * kPi)); }

const Rgb kWhite{1, 1, 1};
const V3 kLamp = normalized({-0.45, -0.65, 0.62});  // up and to the left, in front of the machine

// ---------------------------------------------------------------------------------------------
// Sampling

using Shader = std::function<std::optional<Rgb>(V2)>;

// Averages a grid of samples per pixel. A pixel is opaque when most of its samples are, and
// then takes the mean of those samples only, so an outline stays hard against the transparent
// colour (which has nothing to blend with) while everything inside it is smooth.
Picture render(int width, int height, int grid, const Shader& shade) {
    Picture picture{width, height, {}};
    picture.pixels.reserve(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgb sum;
            int hits = 0;
            for (int sy = 0; sy < grid; ++sy)
                for (int sx = 0; sx < grid; ++sx)
                    if (auto c = shade({x + (sx + 0.5) / grid, y + (sy + 0.5) / grid})) sum = sum + *c, ++hits;
            if (hits * 2 > grid * grid)
                picture.pixels.push_back(sum * (1.0 / hits));
            else
                picture.pixels.push_back(std::nullopt);
        }
    return picture;
}

// ---------------------------------------------------------------------------------------------
// Signed distances: negative inside a shape, positive outside, in the shape's own units.

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

// ---------------------------------------------------------------------------------------------
// Metal and rubber round the window

// Where radius r lies across a ring: -1 at its inner edge, 1 at its outer edge.
double acrossRing(double r, double inner, double outer) { return (r - inner) / (outer - inner) * 2 - 1; }

// The normal of a round tube running round the window, at t from acrossRing; a bulge below 1
// flattens the tube's face.
V3 tubeNormal(V2 outward, double t, double bulge) {
    double s = std::clamp(t, -1.0, 1.0) * bulge;
    return {outward.x * s, outward.y * s, std::sqrt(1 - s * s)};
}

// Polished metal shows the room rather than a colour of its own: a bright ceiling above the
// horizon, a dark floor below it, and a hot spot where the lamp is mirrored.
Rgb chrome(V3 n) {
    V3 mirrored{2 * n.z * n.x, 2 * n.z * n.y, 2 * n.z * n.z - 1};
    double up = -mirrored.y + 0.12;
    Rgb ceiling = mix({0.70, 0.76, 0.84}, {0.97, 0.98, 1.0}, clamp01(up * 1.6));
    Rgb floor = mix({0.42, 0.44, 0.48}, {0.13, 0.14, 0.17}, clamp01(-up * 2.5));
    Rgb c = mix(floor, ceiling, smoothstep(-0.03, 0.03, up));
    double spot = std::pow(std::max(0.0, dot(mirrored, kLamp)), 40);
    return c + kWhite * (0.7 * spot);
}

// Matte rubber only has the lamp's light and a few folds.
Rgb rubber(V2 outward, double t) {
    V3 n = tubeNormal(outward, t, 0.95);
    double folds = 0.03 * std::sin(std::atan2(outward.y, outward.x) * 28);
    return Rgb{0.11, 0.115, 0.13} + Rgb{0.22, 0.22, 0.24} * (std::max(0.0, dot(n, kLamp)) + folds);
}

// ---------------------------------------------------------------------------------------------
// Laundry

enum class Cut { PictureShirt, StripedShirt, Sock, Towel };

struct Garment {
    Cut cut;
    V2 position;  // from the drum's centre
    double angle = 0;
    V2 scale{1, 1};  // below 1 where a piece is squashed or further away
};

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
// The drum window, 111 x 111, drawn around its centre

constexpr int kDrumSize = 111;
const V2 kDrumCentre{kDrumSize / 2.0, kDrumSize / 2.0};
constexpr double kOuter = kDrumSize / 2.0;  // outside edge of the chrome bezel
constexpr double kBezelInner = 49.5;
constexpr double kDoor = 48.5;   // the door's own rim ends here; the 1 px between is a dark gap
constexpr double kMouth = 44;    // inside of the rubber seal, where the drum starts
constexpr double kGlass = 41.5;  // inside of the door's rim
constexpr double kBack = 26;     // the drum's back wall, seen through its length

struct Water {
    double level = 20;  // surface height below the centre
    double phase = 0;   // of the ripples and rising bubbles, one turn per cycle
    double tilt = 0;    // sloshing, in pixels per pixel
};

struct Sparkle {
    V2 position;
    double size;
};

struct DrumScene {
    double drumTurn = 0;             // radians; only the lifters show it
    std::vector<Garment> laundry{};  // back to front
    std::optional<Water> water{};
    double doorOpen = 0;            // 0 shut, 1 swung wide on its left hinge
    std::optional<double> glint{};  // a band of light crossing the glass, along its diagonal
    std::vector<Sparkle> sparkles{};
};

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

// A four-pointed star with a soft core; 0 away from it, 1 at its heart.
double sparkle(V2 d, double size) {
    double x = std::abs(d.x) / size, y = std::abs(d.y) / size;
    double star = 1 - (std::pow(x, 0.6) + std::pow(y, 0.6));
    double glow = std::exp(-(x * x + y * y) * 8);
    return clamp01(std::max(star * 3, glow));
}

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

GifFrame drumFrame(const DrumScene& scene, int delayCs) {
    return {render(kDrumSize, kDrumSize, 4, [&](V2 p) { return shadeDrum(scene, p - kDrumCentre); }), delayCs};
}

// ---------------------------------------------------------------------------------------------
// The animations

// What stays in the drum between washes, heaped on its floor.
std::vector<Garment> oldLaundry() {
    return {{Cut::Towel, {-15, 27}, -0.2}, {Cut::StripedShirt, {15, 25}, 0.3}, {Cut::Sock, {-2, 28}, 1.35}};
}

const Garment kPictureAtRest{Cut::PictureShirt, {1, 15}, -0.08};

std::vector<Garment> loadedLaundry() {
    std::vector<Garment> pile = oldLaundry();
    pile.push_back(kPictureAtRest);
    return pile;
}

// A quiet drum, with a star now and then twinkling on the glass.
std::vector<GifFrame> idleFrames() {
    const double twinkle[] = {0, 0, 0, 0, 0, 0, 0, 3, 5.5, 7, 5.5, 3};
    std::vector<GifFrame> frames;
    for (double size : twinkle) {
        DrumScene scene{.laundry = oldLaundry()};
        if (size > 0) scene.sparkles.push_back({polar(36, -0.85), size});
        frames.push_back(drumFrame(scene, 12));
    }
    return frames;
}

// The picture drops in while the door swings shut; frame 3 is the resting "loaded" state, and
// a gleam then runs across the glass, leaving it as frame 3 showed it.
std::vector<GifFrame> loadedFrames() {
    struct Step {
        Garment picture;
        double doorOpen;
        std::optional<double> glint;
        int delayCs;
    };
    const Step steps[] = {
        {{Cut::PictureShirt, {4, -30}, 0.45, {1.15, 1.15}}, 0.85, {}, 8},
        {{Cut::PictureShirt, {2, -7}, 0.2, {1.08, 1.08}}, 0.6, {}, 8},
        {{Cut::PictureShirt, {1, 17}, -0.05, {1.06, 0.9}}, 0.3, {}, 8},
        {kPictureAtRest, 0, {}, 12},
        {kPictureAtRest, 0, -44, 7},
        {kPictureAtRest, 0, -18, 7},
        {kPictureAtRest, 0, 8, 7},
        {kPictureAtRest, 0, 34, 7},
    };
    std::vector<GifFrame> frames;
    for (const Step& step : steps) {
        DrumScene scene{.laundry = oldLaundry(), .doorOpen = step.doorOpen, .glint = step.glint};
        scene.laundry.push_back(step.picture);
        frames.push_back(drumFrame(scene, step.delayCs));
    }
    return frames;
}

// Laundry carried round by the turning drum through sloshing water. The drum turns by one
// lifter spacing per loop and everything else by whole cycles, so the last frame runs
// straight into the first.
std::vector<GifFrame> workingFrames() {
    constexpr int kFrames = 12;
    const Cut order[] = {Cut::Towel, Cut::StripedShirt, Cut::Sock, Cut::PictureShirt};
    std::vector<GifFrame> frames;
    for (int f = 0; f < kFrames; ++f) {
        double cycle = 2 * kPi * f / kFrames;
        DrumScene scene{.drumTurn = cycle / 3};
        for (int i = 0; i < 4; ++i) {
            double along = cycle + i * kPi / 2;
            double radius = 20 + 4 * std::sin(2 * along + i);
            scene.laundry.push_back({order[i], polar(radius, along + kPi / 2), along + i * 1.3, {0.85, 0.85}});
        }
        scene.water = Water{20, 2 * cycle, 0.12 * std::sin(cycle)};
        frames.push_back(drumFrame(scene, 8));
    }
    return frames;
}

// The water drains away from the settled laundry, and the clean wash twinkles; frame 3, the
// first dry one, is what stays on screen afterwards.
std::vector<GifFrame> doneFrames() {
    const V2 spots[] = {{-7, 7}, {17, 19}, {-21, 23}, {22, -20}};
    struct Step {
        std::optional<double> waterLevel;
        double sparkle[4];
        int delayCs;
    };
    const Step steps[] = {
        {20, {0, 0, 0, 0}, 9},     {27, {0, 0, 0, 0}, 9},     {34, {0, 0, 0, 0}, 9},     {{}, {9, 6, 4, 7}, 12},
        {{}, {6, 8.5, 2.5, 5}, 8}, {{}, {3.5, 6, 7.5, 3}, 8}, {{}, {6, 3.5, 8.5, 5}, 8}, {{}, {8.5, 5, 5, 7}, 8},
    };
    std::vector<GifFrame> frames;
    for (const Step& step : steps) {
        DrumScene scene{.laundry = loadedLaundry()};
        if (step.waterLevel) scene.water = Water{*step.waterLevel, 0.8, 0};
        for (int i = 0; i < 4; ++i)
            if (step.sparkle[i] > 0) scene.sparkles.push_back({spots[i], step.sparkle[i]});
        frames.push_back(drumFrame(scene, step.delayCs));
    }
    return frames;
}

// ---------------------------------------------------------------------------------------------
// The About emblem: a small machine whose porthole shows the loaded drum, scaled down. At this
// size the window's several rims would blur into grey, so one chrome ring stands for them all.

Picture drawEmblem() {
    constexpr double kPorthole = 14.5;
    constexpr double kPortholeGlass = 11;
    const V2 portholeCentre{24.5, 29};
    const DrumScene porthole{.laundry = loadedLaundry(), .water = Water{30, 0.8, 0}};

    return render(49, 48, 6, [&](V2 p) -> std::optional<Rgb> {
        double body = sdRoundBox(p - V2{24.5, 23}, {21.5, 21.5}, 5);
        double feet =
            std::min(sdRoundBox(p - V2{10.5, 45.5}, {3.5, 2}, 1), sdRoundBox(p - V2{38.5, 45.5}, {3.5, 2}, 1));
        if (body > 0) return feet < 0 ? std::optional<Rgb>{Rgb{0.25, 0.27, 0.3}} : std::nullopt;

        Rgb c = mix({0.98, 0.98, 0.99}, {0.80, 0.82, 0.86}, clamp01((p.y - 1) / 46));
        if (p.y < 12) c = c * 0.92;
        if (std::abs(p.y - 12) < 0.6) c = {0.6, 0.63, 0.68};

        if (sdRoundBox(p - V2{15, 7}, {6, 2.5}, 1) < 0)
            c = std::abs(p.y - 7) < 0.8 && p.x > 11 && p.x < 16 ? Rgb{0.45, 0.95, 0.7} : Rgb{0.12, 0.32, 0.36};

        V2 knob = p - V2{36.5, 7};
        if (double d = length(knob); d < 3.4) {
            c = chrome(tubeNormal(knob * (1 / std::max(d, 1e-6)), acrossRing(d, 0, 3.4), 0.8));
            if (sdSegment(knob, {0, 0}, {0, -2.8}) < 0.5) c = {0.2, 0.22, 0.26};
        }

        V2 q = p - portholeCentre;
        double d = length(q);
        c = c * (0.75 + 0.25 * smoothstep(kPorthole, kPorthole + 2, d));  // the porthole sits in a recess
        if (d >= kPortholeGlass && d < kPorthole) {
            c = chrome(tubeNormal(q * (1 / d), acrossRing(d, kPortholeGlass, kPorthole), 0.9));
        } else if (d < kPortholeGlass) {
            V2 inside = q * (kGlass / kPortholeGlass);
            c = throughGlass(drumInside(porthole, inside), inside, {});
        }

        if (body > -0.9) c = mix(c, {0.48, 0.51, 0.56}, 0.8);
        return c;
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        // The drum's own loops repeat; the "loaded" and "done" stories play once and then rest.
        writeGif((folder / "1.gif").string(), idleFrames(), true);
        writeGif((folder / "2.gif").string(), loadedFrames(), false);
        writeGif((folder / "3.gif").string(), workingFrames(), true);
        writeGif((folder / "4.gif").string(), doneFrames(), false);
        writeGif((folder / "about.gif").string(), {{drawEmblem(), 10}}, false);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
