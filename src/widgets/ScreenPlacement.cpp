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

void ScreenPlacement::placeAt(QPoint wanted) { placeAt(wanted, availableAreaAt(wanted)); }

void ScreenPlacement::placeAt(QPoint wanted, QRect area) {
    wanted_ = wanted;
    place(area);
}

void ScreenPlacement::place(QRect area) {
    if (area.isEmpty()) return;
    frameUsed_ = frameOf(window_);
    const QSize frameExtra(frameUsed_.left() + frameUsed_.right(), frameUsed_.top() + frameUsed_.bottom());
    if (fit_) fit_(area.size() - frameExtra);
    window_.move(keptInside(QRect(wanted_, window_.size() + frameExtra), area));
}

// The desktop frames a window after it is first shown: when the frame it got differs from the
// one the placement counted with, the window is placed again. A move by the user keeps the
// frame and is left alone.
bool ScreenPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        window_.isVisible() && frameOf(window_) != frameUsed_)
        place(availableAreaAt(wanted_));
    return false;
}

void placeOnScreen(QWidget& window, QPoint wanted) { ScreenPlacement::of(window).placeAt(wanted); }

}  // namespace velmora
