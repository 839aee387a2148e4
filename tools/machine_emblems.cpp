#include "machine_emblems.h"

#include "drum_scene.h"
#include "materials.h"

#include <algorithm>
#include <cmath>

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

CoverPicture drawProgramIcon(int size) {
    const double k = size;  // one unit of the icon's layout, in pixels
    const double onePixel = 1.0;
    const DrumScene drum{.laundry = loadedLaundry(), .water = Water{24, 0.8, 0}};
    const V2 door{0.5 * k, 0.585 * k};
    const double ring = 0.305 * k, glass = 0.235 * k;
    const double panelBottom = 0.255 * k;

    return renderCover(size, size, size <= 48 ? 8 : 4, [&](V2 p) -> Rgba {
        Rgba s;
        // A soft shadow on the floor, then the feet, then the body.
        V2 floor = (p - V2{0.5 * k, 0.955 * k}) * (1 / k);
        over(s, kBlack, 0.25 * (1 - smoothstep(0.25, 1.0, std::hypot(floor.x / 0.42, floor.y / 0.05))));
        for (double x : {0.24, 0.76}) {
            double foot = sdRect(p, (x - 0.08) * k, 0.88 * k, (x + 0.08) * k, 0.975 * k, 0.02 * k);
            if (foot < 0)
                over(s, mix(Rgb{0.40, 0.42, 0.47}, Rgb{0.16, 0.17, 0.2}, clamp01((p.y - 0.9 * k) / (0.07 * k))), 1);
        }
        double body = sdRect(p, 0.1 * k, 0.035 * k, 0.9 * k, 0.935 * k, 0.1 * k);
        if (body >= 0) return s;

        // Enamel: bright at the top left, greying down to the floor and round the right side.
        Rgb c = mix(Rgb{0.985, 0.99, 1.0}, Rgb{0.80, 0.83, 0.88}, smoothstep(0.1 * k, 0.95 * k, p.y));
        c = mix(c, Rgb{0.70, 0.73, 0.80}, 0.5 * smoothstep(0.72 * k, 0.9 * k, p.x));
        if (p.y < panelBottom) {
            c = mix(Rgb{0.93, 0.945, 0.97}, Rgb{0.86, 0.88, 0.92}, clamp01(p.y / panelBottom));
            // The drawer at the left and three knobs: hide, extract, power.
            double drawer = sdRect(p, 0.17 * k, 0.09 * k, 0.42 * k, 0.2 * k, 0.025 * k);
            if (std::abs(drawer) < 0.5 * onePixel + 0.004 * k) c = mix(c, Rgb{0.45, 0.49, 0.57}, 0.7);
            const Rgb knobs[] = {{0.20, 0.48, 0.90}, {0.16, 0.66, 0.34}, {0.86, 0.20, 0.18}};
            for (int i = 0; i < 3; ++i) {
                V2 centre{(0.55 + 0.12 * i) * k, 0.145 * k};
                double r = 0.048 * k;
                V2 d = p - centre;
                if (length(d) < r) {
                    V2 slope = d * (0.7 / r);
                    c = glossy(knobs[i], normalized({slope.x, slope.y, 1}), 1.0);
                    if (length(d) > r - onePixel * 0.8) c = c * 0.7;
                }
            }
        }
        if (std::abs(p.y - panelBottom) < 0.5 * onePixel) c = mix(c, Rgb{0.55, 0.59, 0.67}, 0.8);

        V2 d = p - door;
        double r = length(d);
        V2 outward = d * (1 / std::max(r, 1e-6));
        // The door ring throws a soft shadow down to the right.
        c = mix(c, Rgb{0.3, 0.33, 0.4},
                0.35 * (1 - smoothstep(ring - 0.02 * k, ring + 0.04 * k, length(d - V2{0.012, 0.02} * k))));
        if (r < ring) {
            if (r >= glass) {
                c = chrome(tubeNormal(outward, acrossRing(r, glass, ring), 0.9));
            } else {
                V2 inside = d * (kGlass / glass);
                c = throughGlass(drumInside(drum, inside), inside, {});
            }
        }
        // A one-pixel darker rim round the whole body keeps the icon crisp on any panel.
        if (body > -onePixel) c = mix(c, Rgb{0.38, 0.41, 0.48}, 0.85);
        over(s, c, 1);
        return s;
    });
}
