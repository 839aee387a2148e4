#include "drum_animations.h"

#include "drum_scene.h"
#include "render.h"

#include <cmath>
#include <optional>

namespace {

const V2 kDrumCentre{kDrumSize / 2.0, kDrumSize / 2.0};

GifFrame drumFrame(const DrumScene& scene, int delayCs) {
    return {render(kDrumSize, kDrumSize, 4, [&](V2 p) { return shadeDrum(scene, p - kDrumCentre); }), delayCs};
}

}  // namespace

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
