// Dragging a window by its skin: the tolerance square around the press point, the frame that
// follows the pointer, and where the window goes at the release.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "skin/WindowDrag.h"

namespace velmora {
namespace {

const QPoint kPress{300, 200};    // on the screen
const QPoint kInWindow{50, 40};  // the same point in the window, whose top-left is (250, 160)
const QSize kWindow{223, 299};

TEST(WindowDrag, NoFrameWhileThePointerStaysWithinFivePixelsOfThePress) {
    for (const QPoint travel : {QPoint(0, 0), QPoint(5, 0), QPoint(-5, 0), QPoint(0, 5), QPoint(0, -5), QPoint(5, -5),
                                QPoint(-5, 5)}) {
        WindowDrag drag(kPress, kInWindow, kWindow, 5);
        EXPECT_EQ(drag.pointerMoved(kPress + travel), std::nullopt) << travel.x() << ',' << travel.y();
        EXPECT_EQ(drag.frame(), std::nullopt);
    }
}

TEST(WindowDrag, BeyondTheToleranceTheFrameIsTheWindowMovedByThePointersTravel) {
    for (const QPoint travel : {QPoint(6, 0), QPoint(-6, 0), QPoint(0, 6), QPoint(3, -6), QPoint(-120, 75)}) {
        WindowDrag drag(kPress, kInWindow, kWindow, 5);
        const QRect expected(QPoint(250, 160) + travel, kWindow);
        EXPECT_EQ(drag.pointerMoved(kPress + travel), expected) << travel.x() << ',' << travel.y();
        EXPECT_EQ(drag.frame(), expected);
    }
}

TEST(WindowDrag, BackInsideTheToleranceTheLastFrameStays) {
    WindowDrag drag(kPress, kInWindow, kWindow, 5);
    drag.pointerMoved(kPress + QPoint(2, 2));
    drag.pointerMoved(kPress + QPoint(40, 30));
    drag.pointerMoved(kPress + QPoint(20, 10));
    EXPECT_EQ(drag.pointerMoved(kPress + QPoint(1, -1)), std::nullopt);
    EXPECT_EQ(drag.frame(), QRect(QPoint(270, 170), kWindow));  // from the move to (+20, +10)
}

}  // namespace
}  // namespace velmora
