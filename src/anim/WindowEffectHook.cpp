#include "anim/WindowEffectHook.h"

#include <QEvent>
#include <QScreen>

#include <algorithm>

#include "anim/Compositor.h"
#include "anim/PauseWithoutInput.h"

namespace velmora {

namespace {
// A hidden window takes a moment to leave the screen; the shrinking outline waits for it.
constexpr std::chrono::milliseconds kAfterHide{100};
}  // namespace

WindowEffectHook::WindowEffectHook(QWidget& window, AnimationEffect::RandomSource random)
    : window_(window), effect_(std::move(random)) {
    window_.installEventFilter(this);
}

bool WindowEffectHook::eventFilter(QObject* watched, QEvent* event) {
    // Qt sends Show before the window reaches the screen and Hide once it has left it.
    // Spontaneous ones come from the desktop (minimise, restore) and play nothing. A Wayland
    // client can neither read the screen nor draw outside its own windows: the outline would be
    // a stray window of its own, so nothing plays there either (nor waits for the hide).
    if (watched == &window_ && !event->spontaneous() && !onWaylandCompositor()) {
        if (event->type() == QEvent::Show && animateOnShow_) {
            play(EffectDirection::Show);
        } else if (event->type() == QEvent::Hide && animateOnHide_) {
            pauseWithoutInput(kAfterHide);
            play(EffectDirection::Hide);
        }
    }
    return false;
}

void WindowEffectHook::play(EffectDirection direction) {
    if (centreOnScreen_) moveToScreenCentre();
    effect_.play(direction, window_.frameGeometry());
}

void WindowEffectHook::moveToScreenCentre() {
    const QScreen* screen = window_.screen();
    if (!screen) return;
    const QRect bounds = screen->availableGeometry();  // clear of the desktop's panels
    const QSize size = window_.frameGeometry().size();
    window_.move(bounds.left() + std::max(0, (bounds.width() - size.width()) / 2),
                 bounds.top() + std::max(0, (bounds.height() - size.height()) / 2));
}

}  // namespace velmora
