// The skin window: its size and outline come from the picture; a press on the bare skin drags
// the window once the pointer is more than five pixels away, a press on a control does not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "skin/DragFrame.h"
#include "skin/PictureOutline.h"
#include "skin/SkinForm.h"

namespace velmora {
namespace {

constexpr QRgb kKey = 0xFF008080;

// 40 × 30: a machine body on the key colour, with a notch cut out of its top-left corner.
QImage skinPicture() {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(kKey);
    for (int y = 2; y < 28; ++y)
        for (int x = 4; x < 36; ++x)
            if (x - 4 + y - 2 >= 3) picture.setPixel(x, y, 0xFFD0D4D8);
    return picture;
}

DragFrame* shownDragFrame() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* frame = dynamic_cast<DragFrame*>(widget); frame && frame->isVisible()) return frame;
    return nullptr;
}

class SkinFormTest : public ::testing::Test {
protected:
    SkinFormTest() : form(nullptr, Qt::FramelessWindowHint), skin(new SkinForm(&form)), control(new QWidget(&form)) {
        skin->setPicture(skinPicture());
        control->setGeometry(20, 10, 8, 8);  // a control over the skin, such as a label
        form.move(100, 100);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QWindow* window() { return form.windowHandle(); }

    QWidget form;
    SkinForm* skin;
    QWidget* control;
};

TEST_F(SkinFormTest, TheFormTakesThePicturesSizeAndOutline) {
    EXPECT_EQ(form.size(), QSize(40, 30));
    EXPECT_EQ(skin->geometry(), QRect(0, 0, 40, 30));
    EXPECT_EQ(form.mask(), outlineRegion(skinPicture(), kKey));
    EXPECT_EQ(form.mask().boundingRect(), QRect(4, 2, 32, 26));
    EXPECT_FALSE(form.mask().contains(QPoint(4, 2)));  // the notch
}

TEST_F(SkinFormTest, TheFrameShowsBeyondFivePixelsAndTheWindowMovesAtTheRelease) {
    QTest::mousePress(window(), Qt::LeftButton, {}, {10, 12});
    QTest::mouseMove(window(), {15, 17});
    EXPECT_EQ(shownDragFrame(), nullptr);
    EXPECT_EQ(form.pos(), QPoint(100, 100));

    QTest::mouseMove(window(), {16, 12});
    DragFrame* frame = shownDragFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(106, 100, 40, 30));
    EXPECT_EQ(frame->mask(), QRegion(0, 0, 40, 30) - QRegion(3, 3, 34, 24));  // the 3-pixel band
    EXPECT_EQ(form.pos(), QPoint(100, 100));  // the window waits for the release

    QTest::mouseMove(window(), {-20, 40});
    EXPECT_EQ(frame->geometry(), QRect(70, 128, 40, 30));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, {-20, 40});
    EXPECT_EQ(form.pos(), QPoint(70, 128));
    EXPECT_EQ(shownDragFrame(), nullptr);
}

TEST_F(SkinFormTest, AReleaseWithinTheToleranceLeavesTheWindowWhereItWas) {
    QTest::mousePress(window(), Qt::LeftButton, {}, {10, 12});
    QTest::mouseMove(window(), {5, 7});
    QTest::mouseRelease(window(), Qt::LeftButton, {}, {5, 7});
    EXPECT_EQ(form.pos(), QPoint(100, 100));
    EXPECT_EQ(shownDragFrame(), nullptr);
}

TEST_F(SkinFormTest, PressesOnAControlOrWithTheRightButtonDragNothing) {
    for (const auto& [button, press] : {std::pair{Qt::LeftButton, QPoint(22, 12)}, std::pair{Qt::RightButton, QPoint(10, 12)}}) {
        QTest::mousePress(window(), button, {}, press);
        QTest::mouseMove(window(), press + QPoint(30, 30));
        EXPECT_EQ(shownDragFrame(), nullptr);
        QTest::mouseRelease(window(), button, {}, press + QPoint(30, 30));
        EXPECT_EQ(form.pos(), QPoint(100, 100));
    }
}

}  // namespace
}  // namespace velmora
