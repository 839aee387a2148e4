#include "skin_buttons.h"

#include "glyph_shapes.h"
#include "materials.h"
#include "render.h"
#include "skin_layout.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kGrid = 8;  // samples per pixel side: these faces are small and seen up close

using Outline = std::function<double(V2)>;
using Symbol = std::function<double(V2)>;

// The share of a pixel that an outline covers.
double coverage(const Outline& outline, int x, int y) {
    int hits = 0;
    for (int sy = 0; sy < kGrid; ++sy)
        for (int sx = 0; sx < kGrid; ++sx)
            if (outline({x + (sx + 0.5) / kGrid, y + (sy + 0.5) / kGrid}) < 0) ++hits;
    return hits / double(kGrid * kGrid);
}

// A pixel belongs to the button once a third of it is covered; its colour then carries the
// rest of the skin below, so the hard outline the window gets still looks smooth.
bool inOutline(const Outline& outline, int x, int y) { return coverage(outline, x, y) >= 1.0 / 3; }

// The face laid over the skin (of the same scale) at the button's place and keyed out around
// its outline. The outline is always decided on the 1× pixels, so a sharper face has exactly
// the doubled shape.
Raster finishFace(const CoverPicture& face, const Outline& outline, const Raster& skin, const PixelBox& place,
                  int scale) {
    Raster raster = over(face, [&](int x, int y) { return toRgb(skin.at(place.x * scale + x, place.y * scale + y)); });
    keyOut(
        raster, [&](int x, int y) { return inOutline(outline, x / scale, y / scale); }, kButtonKey);
    return raster;
}

// ---------------------------------------------------------------------------------------------
// Round knobs: a chrome bezel round a glossy coloured dome carrying a white symbol.

struct Knob {
    PixelBox place;
    Rgb colour;
    Symbol symbol;  // in the knob's own pixel coordinates
};

Rgba shadeKnob(const Knob& knob, bool pressed, V2 p) {
    const double radius = knob.place.width / 2.0;
    const V2 centre{radius, radius};
    V2 d = p - centre;
    double r = length(d);
    if (r >= radius) return {};
    V2 outward = d * (1 / std::max(r, 1e-6));
    const double bezel = radius - 2.3;

    Rgb c;
    if (r >= bezel) {
        c = chrome(tubeNormal(outward, acrossRing(r, bezel, radius), 0.9));
        if (pressed) c = c * 0.86;
        if (r > radius - 0.7) c = c * 0.8;  // the bezel's outer edge against the panel
    } else if (r >= bezel - 0.6) {
        c = {0.12, 0.13, 0.16};  // the gap between bezel and dome
    } else {
        double dome = bezel - 0.6;
        // A low dome: its slope grows towards the edge.
        V2 slope = d * (0.75 / dome);
        V3 n = normalized({slope.x, slope.y, 1});
        if (pressed) {
            // Pushed in, the dome dips: light now falls on its far side and its top lies in
            // the bezel's shadow.
            n = normalized({-slope.x * 0.5, -slope.y * 0.5, 1});
            c = glossy(knob.colour * 0.78, n, 0.4);
            c = mix(c, kBlack, 0.35 * smoothstep(-0.1, -0.95, d.y / dome) * smoothstep(dome - 5, dome, r));
        } else {
            c = glossy(knob.colour, n, 1.2);
            // Light passing through the translucent dome gathers at its lower edge.
            c = mix(c, knob.colour * 1.35 + kWhite * 0.1,
                    0.45 * smoothstep(0.2, 1.0, d.y / dome) * smoothstep(dome * 0.4, dome, r));
            // The window's reflection: a soft bright lens across the upper half.
            V2 lens = (d - V2{0, -dome * 0.42}) * (1 / dome);
            double e = (lens.x / 0.78) * (lens.x / 0.78) + (lens.y / 0.46) * (lens.y / 0.46);
            c = mix(c, kWhite, 0.55 * (1 - smoothstep(0.55, 1.0, e)) * clamp01(0.3 - lens.y * 1.4));
        }
        // The symbol, white, with a shadow that tells it stands slightly proud.
        V2 shift = pressed ? V2{0.4, 0.5} : V2{};
        double shadow = knob.symbol(p - shift - V2{0.5, 0.8});
        c = mix(c, kBlack, (pressed ? 0.15 : 0.3) * inside(shadow, 0.7));
        double mark = knob.symbol(p - shift);
        c = mix(c, pressed ? Rgb{0.88, 0.9, 0.93} : Rgb{0.99, 0.99, 1.0}, inside(mark, 0.35));
    }
    return {c, 1};
}

Raster drawKnob(const Knob& knob, bool pressed, const Raster& skin, int scale) {
    const double radius = knob.place.width / 2.0;
    Outline outline = [radius](V2 p) { return length(p - V2{radius, radius}) - radius; };
    CoverPicture face = renderCoverScaled(knob.place.width, knob.place.height, scale, kGrid,
                                          [&](V2 p) { return shadeKnob(knob, pressed, p); });
    return finishFace(face, outline, skin, knob.place, scale);
}

// The picture a message goes into or comes out of, drawn as an open tray under the arrow.
double traySymbol(V2 p, V2 c) {
    return unite(
        sdStroke(p, c + V2{-6, 2.2}, c + V2{-6, 5.6}, 0.9),
        unite(sdStroke(p, c + V2{-6, 5.6}, c + V2{6, 5.6}, 0.9), sdStroke(p, c + V2{6, 5.6}, c + V2{6, 2.2}, 0.9)));
}

// Hide: the message goes down into the picture. Extract: it comes back up out of it.
double hideSymbol(V2 p, double size) {
    V2 c{size / 2, size / 2};
    return unite(sdArrow(p, c + V2{0, -6.2}, c + V2{0, 2.6}, 1.2, 4.2, 4.0), traySymbol(p, c));
}

double extractSymbol(V2 p, double size) {
    V2 c{size / 2, size / 2};
    return unite(sdArrow(p, c + V2{0, 3.4}, c + V2{0, -6.4}, 1.2, 4.2, 4.0), traySymbol(p, c));
}

// ---------------------------------------------------------------------------------------------
// The minimise button is the detergent drawer's handle: a rounded bar across its grip.

constexpr V2 kBarHalf{22.5, 8};
constexpr double kBarRound = 5;

double barOutline(V2 p) { return sdRoundBox(p - V2{22.5, 8}, kBarHalf, kBarRound); }

Rgb barColour(V2 p) {
    double t = clamp01(p.y / 16);
    // Brushed light metal, bent towards the viewer: bright along the top, shaded below.
    Rgb c = mix(Rgb{0.97, 0.975, 0.985}, Rgb{0.74, 0.77, 0.83}, smoothstep(0.15, 1.0, t));
    c = mix(c, kWhite, 0.6 * (1 - smoothstep(1.0, 3.2, p.y)));
    double edge = -barOutline(p);
    c = mix(c, Rgb{0.45, 0.48, 0.55}, 0.55 * (1 - smoothstep(0.0, 1.2, edge)) * smoothstep(0.4, 1.0, t));
    c = c * (0.985 + 0.015 * std::sin(p.x * 2.1 + std::sin(p.y * 0.7)));  // the brushing
    return c;
}

Raster drawMinimizeFace(const Raster& skin, int scale) {
    CoverPicture face = renderCoverScaled(kMinimizeButton.width, kMinimizeButton.height, scale, kGrid, [](V2 p) {
        return barOutline(p) < 0 ? Rgba{barColour(p), 1} : Rgba{};
    });
    return finishFace(face, barOutline, skin, kMinimizeButton, scale);
}

// A short arrow down onto a bar: off the desktop, into the tray.
double minimizeSymbol(V2 p) {
    const V2 c{22.5, 8};
    double arrow = sdArrow(p, c + V2{0, -5}, c + V2{0, 1.6}, 0.9, 3.2, 3.2);
    double bar = sdStroke(p, c + V2{-5, 4.3}, c + V2{5, 4.3}, 0.9);
    return unite(arrow, bar);
}

// The glyph is engraved into the bar: dark, with a light line under it.
Rgba glyphSample(V2 p) {
    Rgba s;
    over(s, Rgb{1, 1, 1}, 0.8 * inside(minimizeSymbol(p - V2{0, 0.8}), 0.3));
    over(s, Rgb{0.27, 0.30, 0.37}, inside(minimizeSymbol(p), 0.3));
    return s;
}

// Its soft edges are blended with the bar they lie on, since the key colour around them
// cannot be. Which pixels are keyed out is decided at 1×, so a sharper glyph covers exactly
// the same places.
Raster drawMinimizeGlyph(int scale) {
    const CoverPicture shape = renderCover(kMinimizeButton.width, kMinimizeButton.height, kGrid, glyphSample);
    const CoverPicture glyph =
        renderCoverScaled(kMinimizeButton.width, kMinimizeButton.height, scale, kGrid, glyphSample);
    const double unit = 1.0 / scale;
    Raster raster = over(glyph, [unit](int x, int y) { return barColour(V2{x + 0.5, y + 0.5} * unit); });
    keyOut(
        raster, [&](int x, int y) { return shape.at(x / scale, y / scale).alpha >= 0.12; }, kGlyphKey);
    return raster;
}

}  // namespace

std::vector<NamedRaster> drawSkinButtons(const Raster& skin, int scale) {
    const Knob hide{kHideButton, {0.20, 0.48, 0.90}, [](V2 p) { return hideSymbol(p, kHideButton.width); }};
    const Knob extract{kExtractButton, {0.16, 0.66, 0.34}, [](V2 p) { return extractSymbol(p, kExtractButton.width); }};
    const Knob power{kExitButton, {0.86, 0.20, 0.18}, [](V2 p) {
                         return sdPowerSign(p, kExitButton.centre() - V2{kExitButton.x, kExitButton.y}, 11);
                     }};

    std::vector<NamedRaster> faces;
    for (const auto& [name, knob] :
         {std::pair{"hide", hide}, std::pair{"extract", extract}, std::pair{"exit", power}}) {
        faces.push_back({std::string(name) + "_up", drawKnob(knob, false, skin, scale)});
        faces.push_back({std::string(name) + "_down", drawKnob(knob, true, skin, scale)});
    }
    faces.push_back({"minimize_up", drawMinimizeFace(skin, scale)});
    faces.push_back({"minimize_glyph", drawMinimizeGlyph(scale)});
    return faces;
}
