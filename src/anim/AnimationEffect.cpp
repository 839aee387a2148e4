#include "anim/AnimationEffect.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>

#include "anim/EffectOverlay.h"

namespace velmora {

namespace {

// One unit of delay: the usual 100 pauses 4 ms, so a play of about a hundred pauses takes half a second.
constexpr std::chrono::microseconds kDelayUnit{40};

int applicationRandom(int n) { return static_cast<int>(QRandomGenerator::global()->bounded(n)); }

// What the screen shows in `area` (screen coordinates) right now; null where it cannot be read.
QImage screenBeneath(QScreen& screen, const QRect& area) {
    const QPoint offset = area.topLeft() - screen.geometry().topLeft();
    return screen.grabWindow(0, offset.x(), offset.y(), area.width(), area.height()).toImage();
}

}  // namespace

AnimationEffect::AnimationEffect(RandomSource random)
    : random_(random ? std::move(random) : RandomSource(applicationRandom)) {}

std::chrono::milliseconds AnimationEffect::pauseLength() const {
    return std::chrono::round<std::chrono::milliseconds>(kDelayUnit * delay_);
}

EffectKind AnimationEffect::chooseKind() {
    if (type_ != EffectKind::Random) return type_;
    return static_cast<EffectKind>(1 + random_(kChoosableEffects));
}

EffectPlan AnimationEffect::plan(EffectDirection direction, const QRect& window) {
    EffectPlan plan;
    plan.kind = chooseKind();
    const EffectGeometry geometry(plan.kind, window, steps_, blasts_);
    for (int step = 0; step <= steps_; ++step) plan.outlines.push_back(geometry.outline(step));
    plan.draws = direction == EffectDirection::Show ? showSequence(steps_, frames_) : hideSequence(steps_, frames_);
    return plan;
}

void AnimationEffect::play(EffectDirection direction, const QRect& window) {
    const EffectPlan effect = plan(direction, window);
    QScreen* screen = QGuiApplication::screenAt(window.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The overlay covers only what the outlines reach on the window's screen.
    const QRect area = outlineExtent(effect.outlines) & screen->geometry();
    if (area.isEmpty()) return;
    EffectOverlay overlay(area, screenBeneath(*screen, area), pauseLength());
    drawPlan(effect, overlay);
}

void drawPlan(const EffectPlan& plan, EffectSurface& surface) {
    for (const OutlineDraw& draw : plan.draws) {
        surface.invert(plan.outlines[static_cast<std::size_t>(draw.step)]);
        if (draw.pause) surface.pause();
    }
}

}  // namespace velmora
