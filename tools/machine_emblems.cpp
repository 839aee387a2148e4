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
