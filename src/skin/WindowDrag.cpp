#include "skin/WindowDrag.h"

#include <cstdlib>

namespace velmora {

WindowDrag::WindowDrag(QPoint pressGlobal, QPoint pressInWindow, QSize windowSize, int tolerance)
    : pressGlobal_(pressGlobal), pressInWindow_(pressInWindow), windowSize_(windowSize), tolerance_(tolerance) {}

std::optional<QRect> WindowDrag::pointerMoved(QPoint pointer) {
    const QPoint travel = pointer - pressGlobal_;
    if (std::abs(travel.x()) <= tolerance_ && std::abs(travel.y()) <= tolerance_) return std::nullopt;
    frame_ = QRect(pointer - pressInWindow_, windowSize_);
    return frame_;
}

}  // namespace velmora
