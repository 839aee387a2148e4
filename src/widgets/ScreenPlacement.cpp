#include "widgets/ScreenPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmora {

namespace {

// The nearest start of a span of `length` inside [low, low + room), where it does not fit: low.
int keptInsideSpan(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

QMargins frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

}  // namespace

QPoint keptInside(QRect frame, QRect area) {
    return {keptInsideSpan(frame.left(), frame.width(), area.left(), area.width()),
            keptInsideSpan(frame.top(), frame.height(), area.top(), area.height())};
}

QRect availableAreaAt(QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

ScreenPlacement::ScreenPlacement(QWidget& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("ScreenPlacement"));
    window_.installEventFilter(this);
}

ScreenPlacement& ScreenPlacement::of(QWidget& window) {
    if (auto* existing = window.findChild<ScreenPlacement*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
    return *new ScreenPlacement(window);
}

void ScreenPlacement::placeAt(Wanted wanted) {
    wanted_ = std::move(wanted);
    area_.reset();
    place();
}

void ScreenPlacement::placeAt(Wanted wanted, QRect area) {
    wanted_ = std::move(wanted);
    area_ = area;
    place();
}

void ScreenPlacement::place() {
    frameUsed_ = frameOf(window_);
    const QSize frameExtra(frameUsed_.left() + frameUsed_.right(), frameUsed_.top() + frameUsed_.bottom());
    const QRect area = area_ ? *area_ : availableAreaAt(wanted_(window_.size() + frameExtra));
    if (area.isEmpty()) return;
    if (fit_) fit_(area.size() - frameExtra);
    const QSize outer = window_.size() + frameExtra;
    placedAt_ = keptInside(QRect(wanted_(outer), outer), area);
    window_.move(placedAt_);
}

// A window's frame is known when it is about to show (on some desktops) or once the desktop has
// framed it, after it first showed (on others): when the frame differs from the one the
// placement counted with, the window is placed again. A window moved elsewhere since (by the
// user, or the program) stays where it was moved.
bool ScreenPlacement::eventFilter(QObject* watched, QEvent* event) {
    const bool framing =
        event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (watched != &window_ || !framing || !wanted_ || !window_.isVisible()) return false;
    if (window_.pos() != placedAt_) wanted_ = nullptr;  // moved elsewhere since: that place holds
    else if (frameOf(window_) != frameUsed_) place();
    return false;
}

void placeOnScreen(QWidget& window, ScreenPlacement::Wanted wanted) {
    ScreenPlacement::of(window).placeAt(std::move(wanted));
}

void placeOnScreen(QWidget& window, QPoint wanted) {
    placeOnScreen(window, [wanted](QSize) { return wanted; });
}

}  // namespace velmora
