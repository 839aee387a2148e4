#include "dialogs/DialogPlacement.h"

#include <cstdlib>

namespace velmora {

QPoint placeOverMainWindow(QPoint mainTopLeft, QSize mainSize, QSize dialogSize) {
    // C++ division truncates toward zero, which is the rounding wanted here.
    const int dx = std::abs((dialogSize.width() - mainSize.width()) / 2);
    const int dy = std::abs((dialogSize.height() - mainSize.height()) / 2);
    return {mainTopLeft.x() - dx, mainTopLeft.y() - dy};
}

}  // namespace velmora
