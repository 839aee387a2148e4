// The see-through drum panel: what lies beneath shows through it, a click is a press and a
// release on it, and a double-click is reported once.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "skin/SkinPanel.h"

namespace velmora {
namespace {

class SkinPanelTest : public ::testing::Test {
protected:
    SkinPanelTest() : panel(new SkinPanel(&holder)), clicks(panel, &SkinPanel::clicked), doubleClicks(panel, &SkinPanel::doubleClicked) {
        holder.resize(60, 60);
        holder.setAutoFillBackground(true);
        QPalette palette = holder.palette();
        palette.setColor(QPalette::Window, Qt::green);
        holder.setPalette(palette);
        panel->setGeometry(10, 10, 30, 30);
        holder.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }
    QWindow* window() { return holder.windowHandle(); }

    QWidget holder;
    SkinPanel* panel;
    QSignalSpy clicks;
    QSignalSpy doubleClicks;
};

TEST_F(SkinPanelTest, AClickIsAPressAndAReleaseOnThePanel) {
    QTest::mousePress(window(), Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(clicks.size(), 0);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, {25, 25});
    EXPECT_EQ(clicks.size(), 1);

    QTest::mousePress(window(), Qt::LeftButton, {}, {20, 20});
    QTest::mouseMove(window(), {50, 50});
    QTest::mouseRelease(window(), Qt::LeftButton, {}, {50, 50});  // released beside the panel
    QTest::mouseClick(window(), Qt::RightButton, {}, {20, 20});
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(doubleClicks.size(), 0);
}

TEST_F(SkinPanelTest, ADoubleClickIsOneClickAndOneDoubleClick) {
    QTest::mouseDClick(window(), Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(doubleClicks.size(), 1);
}

TEST_F(SkinPanelTest, PaintsNothing) {
    const QImage shown = holder.grab().toImage();
    for (const QPoint at : {QPoint(10, 10), QPoint(25, 25), QPoint(39, 39)}) EXPECT_EQ(shown.pixelColor(at), QColor(Qt::green));
}

}  // namespace
}  // namespace velmora
