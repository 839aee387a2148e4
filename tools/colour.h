// Colours as the painters work with them: linear 0…1 channels, mixed and scaled freely and
// only rounded to bytes when a file is written.
#pragma once

#include <algorithm>

struct Rgb {
    double r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb mix(Rgb a, Rgb b, double t) { return a * (1 - t) + b * t; }

// A colour with how much of the sample it covers (0 nothing, 1 all), not premultiplied.
struct Rgba {
    Rgb colour;
    double alpha = 0;
};

// Lays paint over what is already there, as a painter would: the share it covers hides the
// colour below, the rest lets it through.
inline void over(Rgba& below, Rgb paint, double cover) {
    cover = std::clamp(cover, 0.0, 1.0);
    if (cover <= 0) return;
    double alpha = cover + below.alpha * (1 - cover);
    below.colour = (paint * cover + below.colour * (below.alpha * (1 - cover))) * (1 / alpha);
    below.alpha = alpha;
}

const Rgb kWhite{1, 1, 1};
const Rgb kBlack{0, 0, 0};

// A colour given as the bytes an image editor would show, for the few colours that are fixed.
constexpr Rgb fromBytes(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
