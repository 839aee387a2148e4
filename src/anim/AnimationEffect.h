#pragma once

#include <QRect>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "anim/EffectGeometry.h"
#include "anim/EffectSequence.h"
#include "anim/EffectSurface.h"

namespace velmora {

enum class EffectDirection { Show, Hide };

// One animation worked out in full before it plays.
struct EffectPlan {
    EffectKind kind = EffectKind::Spin;
    std::vector<Outline> outlines;  // by step, 0 to steps
    std::vector<OutlineDraw> draws;
};

// The animated outline of a window on the screen: growing out of the window's centre into its
// rectangle before the window appears, shrinking back into the centre after it has gone. The
// outlines invert what they cross and every one is drawn twice, so the screen ends as it began.
// An animation runs to its end before the call returns; the pauses between its drawing calls
// let timers and repaints run but hold the user's input back until the end. Timers therefore
// fire while a dialog's show plays: one that closes the dialog must wait until exec() has made
// it the modal window (QApplication::activeModalWidget()).
//
// For a dialog shown modally: effect.playShow(rect), then dialog.exec(); once it has closed,
// effect.playHide(rect). WindowEffectHook does both by itself.
class AnimationEffect {
public:
    // Gives a uniform whole number from 0 to n - 1.
    using RandomSource = std::function<int(int)>;

    // Without a random source, the application's generator chooses.
    explicit AnimationEffect(RandomSource random = {});

    // Random (the default) chooses anew for every play, show and hide alike.
    void setEffectType(EffectKind type) { type_ = type; }
    EffectKind effectType() const { return type_; }
    // Length of the pause after each drawing call, in units of 40 µs (100, the default, is 4 ms).
    void setDelay(std::uint16_t delay) { delay_ = delay; }
    std::uint16_t delay() const { return delay_; }
    std::chrono::milliseconds pauseLength() const;
    // Launch points of the fireworks.
    std::uint8_t fireworkBlasts() const { return blasts_; }
    // Outlines on the screen at once: the length of the trail (6 by default).
    void setFrames(std::uint8_t frames) { frames_ = frames; }
    std::uint8_t frames() const { return frames_; }
    // Outlines from the centre to the full window (50 by default).
    void setSteps(std::uint8_t steps) { steps_ = steps; }
    std::uint8_t steps() const { return steps_; }

    // `window` is the window's outer rectangle in screen coordinates.
    void play(EffectDirection direction, const QRect& window);
    void playShow(const QRect& window) { play(EffectDirection::Show, window); }
    void playHide(const QRect& window) { play(EffectDirection::Hide, window); }

    // Chooses the effect (asking the random source when the type is Random) and works out what
    // playing it draws; playShow and playHide draw exactly this.
    EffectPlan plan(EffectDirection direction, const QRect& window);

private:
    EffectKind chooseKind();

    RandomSource random_;
    EffectKind type_ = EffectKind::Random;
    std::uint16_t delay_ = 100;
    std::uint8_t blasts_ = 10;
    std::uint8_t frames_ = 6;
    std::uint8_t steps_ = 50;
};

// Inverts the plan's outlines on the surface in order, pausing where the plan says.
void drawPlan(const EffectPlan& plan, EffectSurface& surface);

}  // namespace velmora
