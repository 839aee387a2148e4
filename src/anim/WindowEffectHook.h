#pragma once

#include <QObject>
#include <QWidget>

#include "anim/AnimationEffect.h"

namespace velmora {

// Plays an animation effect when the program shows or hides a window: the growing outline just
// before the window appears on the screen, the shrinking one 100 ms after it has gone. Changes
// the desktop makes (minimising, restoring) play nothing. Both are off until switched on.
//
// Make the hook a member of the window, or of anything destroyed before the window, so that a
// window destroyed while visible vanishes without an effect.
class WindowEffectHook final : public QObject {
    Q_OBJECT

public:
    explicit WindowEffectHook(QWidget& window, AnimationEffect::RandomSource random = {});

    AnimationEffect& effect() { return effect_; }
    void setAnimateOnShow(bool animate) { animateOnShow_ = animate; }
    bool animateOnShow() const { return animateOnShow_; }
    void setAnimateOnHide(bool animate) { animateOnHide_ = animate; }
    bool animateOnHide() const { return animateOnHide_; }
    // Whether the window is moved to the centre of its screen's available area before every animation, so that
    // the outline ends exactly on it.
    void setCentreOnScreen(bool centre) { centreOnScreen_ = centre; }
    bool centreOnScreen() const { return centreOnScreen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void play(EffectDirection direction);
    void moveToScreenCentre();

    QWidget& window_;
    AnimationEffect effect_;
    bool animateOnShow_ = false;
    bool animateOnHide_ = false;
    bool centreOnScreen_ = false;
};

}  // namespace velmora
