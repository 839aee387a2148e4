#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;

namespace velmora {

// Where a window whose frame (the whole window, title bar included) would be `frame` goes so
// that all of it lies inside `area`: where it is when it fits, otherwise moved in by no more
// than it takes. A window larger than the area keeps its top-left corner in it, so its title
// bar and first controls stay reachable.
QPoint keptInside(QRect frame, QRect area);

// Keeps a top-level window wholly inside the available area of its screen (panels excluded).
// Made on first use by placeOnScreen and owned by the window. The frame the desktop puts round
// a window is known only once it has framed it, so the placement is made again when the
// window's frame changes (its first showing under a window manager).
class ScreenPlacement : public QObject {
    Q_OBJECT

public:
    // What a window that can give up room does with the room its client area has on the
    // screen (the available area less its frame), before every placement.
    using Fit = std::function<void(QSize room)>;
    // Where the window's top-left corner should go, given its outer size (frame included).
    using Wanted = std::function<QPoint(QSize outer)>;

    static ScreenPlacement& of(QWidget& window);

    void setFit(Fit fit) { fit_ = std::move(fit); }
    // Puts the window's top-left corner, frame included, where `wanted` says, or as near it as
    // keeps the whole window inside the available area of the screen there.
    void placeAt(Wanted wanted);
    // The same inside a given area, such as part of a screen.
    void placeAt(Wanted wanted, QRect area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How often, and for how long after each showing, the frame is looked at.
    static constexpr int kFramingCheckMs = 50;
    static constexpr int kFramingChecks = 100;

    explicit ScreenPlacement(QWidget& window);
    void place();
    void checkFrame();

    QWidget& window_;
    Wanted wanted_;
    std::optional<QRect> area_;  // none: the screen's
    QMargins frameUsed_;
    QPoint placedAt_;
    QTimer framingWatch_;
    int framingChecks_ = 0;
    bool placing_ = false;
    Fit fit_;
};

// ScreenPlacement::of(window).placeAt(wanted), for a wanted place that depends on the window's
// outer size, and for a fixed one.
void placeOnScreen(QWidget& window, ScreenPlacement::Wanted wanted);
void placeOnScreen(QWidget& window, QPoint wanted);

// The available area of the screen under `point` (the primary screen's when no screen is).
QRect availableAreaAt(QPoint point);

}  // namespace velmora
