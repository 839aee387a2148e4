#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace velmora {

// One drag of a window by its picture, from the press to the release. The window's outline
// (the frame) follows the pointer once the pointer has left a square of `tolerance` pixels
// around the press point, measured from the press point every time; the window itself goes to
// the last frame's place only at the release.
class WindowDrag {
public:
    // pressGlobal: where the button went down, on the screen; pressInWindow: the same point in
    // the window, whose top-left corner the frame keeps at that distance from the pointer.
    WindowDrag(QPoint pressGlobal, QPoint pressInWindow, QSize windowSize, int tolerance);

    // The pointer moved to `pointer` (screen): the frame to show now, or nothing while the
    // pointer is within the tolerance (a frame already shown then stays where it is).
    std::optional<QRect> pointerMoved(QPoint pointer);
    // The frame last shown, if any: where the window goes when the button is released.
    const std::optional<QRect>& frame() const { return frame_; }

private:
    QPoint pressGlobal_;
    QPoint pressInWindow_;
    QSize windowSize_;
    int tolerance_;
    std::optional<QRect> frame_;
};

}  // namespace velmora
