// Playing an effect: the random choice per play, the settings' defaults, whole plays on an
// inverting canvas leaving nothing behind, and a play on the screen through the overlay.
#include "anim/AnimationEffect.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <deque>
#include <tuple>
#include <vector>

#include "QtPrinters.h"
#include "anim/EffectOverlay.h"
#include "anim/InvertCanvas.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// A random source that answers from a list and remembers what it was asked.
struct ScriptedRandom {
    std::deque<int> answers;
    std::vector<int> asked;
    AnimationEffect::RandomSource source() {
        return [this](int n) {
            asked.push_back(n);
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

// A surface over an inverting canvas that notes how many pixels were lit at every pause.
class CanvasSurface : public EffectSurface {
public:
    explicit CanvasSurface(const QRect& area) : canvas(area) {}
    void invert(const Outline& outline) override {
        canvas.invert(outline);
        ++draws;
    }
    void pause() override { litAtPauses.push_back(canvas.litCount()); }

    InvertCanvas canvas;
    int draws = 0;
    std::vector<int> litAtPauses;
};

const QRect kWindow(100, 50, 201, 101);
const QRect kScreen(-400, -300, 1200, 800);  // holds everything every effect draws for kWindow

TEST(AnimationEffect, StartsWithTheDialogSettings) {
    const AnimationEffect effect;
    EXPECT_EQ(effect.effectType(), EffectKind::Random);
    EXPECT_EQ(effect.delay(), 100);
    EXPECT_EQ(effect.fireworkBlasts(), 10);
    EXPECT_EQ(effect.frames(), 6);
    EXPECT_EQ(effect.steps(), 50);
    EXPECT_EQ(effect.pauseLength(), 4ms);  // 100 × 40 µs
}

TEST(AnimationEffect, PauseLengthFollowsDelay) {
    AnimationEffect effect;
    effect.setDelay(0);
    EXPECT_EQ(effect.pauseLength(), 0ms);
    effect.setDelay(1000);
    EXPECT_EQ(effect.pauseLength(), 40ms);
}

// Random asks for one of five for every play, show and hide alike, and answer n means effect n + 1.
TEST(AnimationEffect, RandomChoosesAnewForEveryPlay) {
    ScriptedRandom random{{0, 4, 2, 1, 3}, {}};
    AnimationEffect effect(random.source());
    EXPECT_EQ(effect.plan(EffectDirection::Show, kWindow).kind, EffectKind::Spin);
    EXPECT_EQ(effect.plan(EffectDirection::Hide, kWindow).kind, EffectKind::Fireworks);
    EXPECT_EQ(effect.plan(EffectDirection::Show, kWindow).kind, EffectKind::ScatterGather);
    EXPECT_EQ(effect.plan(EffectDirection::Hide, kWindow).kind, EffectKind::Vortex);
    EXPECT_EQ(effect.plan(EffectDirection::Show, kWindow).kind, EffectKind::Spike);
    EXPECT_EQ(random.asked, (std::vector<int>{5, 5, 5, 5, 5}));
}

TEST(AnimationEffect, ChosenTypeNeverAsksTheRandomSource) {
    ScriptedRandom random;
    AnimationEffect effect(random.source());
    effect.setEffectType(EffectKind::Vortex);
    EXPECT_EQ(effect.plan(EffectDirection::Show, kWindow).kind, EffectKind::Vortex);
    EXPECT_EQ(effect.plan(EffectDirection::Hide, kWindow).kind, EffectKind::Vortex);
    EXPECT_TRUE(random.asked.empty());
}

TEST(AnimationEffect, DefaultRandomStaysInRange) {
    AnimationEffect effect;
    for (int i = 0; i < 50; ++i) {
        const EffectKind kind = effect.plan(EffectDirection::Show, kWindow).kind;
        EXPECT_GE(static_cast<int>(kind), 1);
        EXPECT_LE(static_cast<int>(kind), 5);
    }
}

TEST(AnimationEffect, PlanHoldsEveryStepOfTheChosenEffect) {
    AnimationEffect effect;
    effect.setEffectType(EffectKind::Spin);
    effect.setSteps(20);
    effect.setFrames(3);
    const EffectPlan plan = effect.plan(EffectDirection::Hide, kWindow);
    EXPECT_EQ(plan.outlines.size(), 21u);
    EXPECT_EQ(plan.outlines[20], EffectGeometry(EffectKind::Spin, kWindow, 20, 10).outline(20));
    EXPECT_EQ(plan.draws, hideSequence(20, 3));
}

class WholePlay : public testing::TestWithParam<std::tuple<EffectKind, EffectDirection>> {};

// A whole play inverts every pixel back: the screen ends exactly as it began.
TEST_P(WholePlay, LeavesTheScreenAsItWas) {
    const auto [kind, direction] = GetParam();
    AnimationEffect effect;
    effect.setEffectType(kind);
    CanvasSurface surface(kScreen);
    drawPlan(effect.plan(direction, kWindow), surface);
    EXPECT_EQ(surface.canvas.litCount(), 0);
    const bool show = direction == EffectDirection::Show;
    EXPECT_EQ(surface.litAtPauses.size(), show ? 101u : 100u);
    EXPECT_EQ(surface.draws, show ? 102 : 101);
    // Outlines are on the screen through the play; only the very first steps (or, hiding, the
    // last ones) can be too small to light a pixel.
    for (std::size_t i = 2; i < 90; ++i) EXPECT_GT(surface.litAtPauses[i], 0) << i;
}

INSTANTIATE_TEST_SUITE_P(Effects, WholePlay,
                         testing::Combine(testing::Values(EffectKind::Spin, EffectKind::Vortex,
                                                          EffectKind::ScatterGather, EffectKind::Spike,
                                                          EffectKind::Fireworks),
                                          testing::Values(EffectDirection::Show, EffectDirection::Hide)));

// The show ends with the full window outline alone on the screen for one pause: for the spin,
// the rectangle around the window, 2 × (201 + 101) pixels.
TEST(AnimationEffect, ShowFlashesTheFullOutlineLast) {
    AnimationEffect effect;
    effect.setEffectType(EffectKind::Spin);
    CanvasSurface surface(kScreen);
    drawPlan(effect.plan(EffectDirection::Show, kWindow), surface);
    EXPECT_EQ(surface.litAtPauses.back(), 2 * (201 + 101));
}

std::vector<EffectOverlay*> overlays() {
    std::vector<EffectOverlay*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* overlay = qobject_cast<EffectOverlay*>(w)) found.push_back(overlay);
    }
    return found;
}

// On the screen the outlines go to an overlay over what they reach, which takes no input or
// focus, stays on top, and is gone once the play is over.
TEST(AnimationEffect, PlaysInAnOverlayThatVanishesAfterwards) {
    AnimationEffect effect;
    effect.setEffectType(EffectKind::ScatterGather);
    effect.setDelay(250);  // 10 ms pauses: the probe below runs inside them
    int probes = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const auto found = overlays();
        ASSERT_EQ(found.size(), 1u);
        const EffectOverlay& overlay = *found.front();
        const Qt::WindowFlags flags = overlay.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowTransparentForInput));
        EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
        EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(overlay.testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_TRUE(overlay.isVisible());
        // The grid's first cells start left of and above the screen; the overlay stops at its edge.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(overlay.geometry(), outlineExtent(effect.plan(EffectDirection::Show, kWindow).outlines) & screen);
        ++probes;
    });
    probe.start(30);
    effect.playShow(kWindow);
    probe.stop();
    EXPECT_GT(probes, 0);
    EXPECT_TRUE(overlays().empty());
}

// With Delay 0 there are no pauses, and the play is over at once.
TEST(AnimationEffect, NoDelayPlaysWithoutPausing) {
    AnimationEffect effect;
    effect.setDelay(0);
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    effect.playHide(kWindow);
    EXPECT_FALSE(timerRan);
    EXPECT_TRUE(overlays().empty());
    QApplication::processEvents();
    EXPECT_TRUE(timerRan);
}

}  // namespace
}  // namespace velmora
