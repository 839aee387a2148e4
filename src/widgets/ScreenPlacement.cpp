#include "widgets/ScreenPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velmora {

namespace {

// The nearest start of a span of `length` inside [low, low + room), where it does not fit: low.
int keptInsideSpan(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

// Asked of the platform window, which learns of a new frame before the widget does (the
// widget only on its next move or resize).
QMargins frameOf(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle()) return handle->frameMargins();
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
    framingWatch_.setInterval(kFramingCheckMs);
    connect(&framingWatch_, &QTimer::timeout, this, [this] {
        if (--framingChecks_ <= 0) framingWatch_.stop();
        checkFrame();
    });
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
    // Fitting and moving send the window events of its own, which must not place it again.
    const QScopedValueRollback busy(placing_, true);
    frameUsed_ = frameOf(window_);
    QSize frameExtra(frameUsed_.left() + frameUsed_.right(), frameUsed_.top() + frameUsed_.bottom());
    // At a scale above 1 a frame's device pixels are rounded into logical ones and the window's
    // place into device ones: a pixel of room keeps the whole frame on the screen.
    if (!frameUsed_.isNull() && window_.devicePixelRatio() > 1) frameExtra += QSize(1, 1);
    const QRect area = area_ ? *area_ : availableAreaAt(wanted_(window_.size() + frameExtra));
    if (area.isEmpty()) return;
    if (fit_) fit_(area.size() - frameExtra);
    const QSize outer = window_.size() + frameExtra;
    placedAt_ = keptInside(QRect(wanted_(outer), outer), area);
    window_.move(placedAt_);
}

// A window's frame is known when it is about to show (on some desktops) or some time after it
// first showed, once the desktop has framed it (on others; the window need not move or resize
// then): when the frame differs from the one the placement counted with, the window is placed
// again (the window's place shifts while it is being framed, so the frame is looked at first).
// A window moved elsewhere since, by the user, stays where it was moved.
bool ScreenPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    switch (event->type()) {
    case QEvent::Show:
        framingChecks_ = kFramingChecks;
        framingWatch_.start();
        checkFrame();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate: checkFrame(); break;
    default: break;
    }
    return false;
}

void ScreenPlacement::checkFrame() {
    if (placing_ || !wanted_ || !window_.isVisible()) return;
    if (frameOf(window_) != frameUsed_) place();
    else if (window_.pos() != placedAt_) wanted_ = nullptr;  // moved elsewhere since: that place holds
}

void placeOnScreen(QWidget& window, ScreenPlacement::Wanted wanted) {
    ScreenPlacement::of(window).placeAt(std::move(wanted));
}

void placeOnScreen(QWidget& window, QPoint wanted) {
    placeOnScreen(window, [wanted](QSize) { return wanted; });
}

}  // namespace velmora
