// Keeping windows on the screen: where a window goes in an area, what a placed window does, and
// the text of a message box that must wrap a long path.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "widgets/BreakableText.h"
#include "widgets/ScreenPlacement.h"

namespace velmora::test {
namespace {

struct KeptInsideCase {
    const char* what;
    QRect frame;
    QRect area;
    QPoint expected;
};

TEST(ScreenPlacement, AWindowStaysWhereItFitsAndIsMovedInsideWhereItDoesNot) {
    const QRect screen(0, 0, 1024, 768);
    const QRect scaled(0, 0, 512, 384);    // 1024 x 768 at scale 2
    const QRect second(1920, 0, 1280, 1024);  // right of a first screen
    const QRect belowPanel(0, 28, 1024, 740);  // a panel along the top
    const KeptInsideCase cases[] = {
        {"fits", {232, 155, 223, 299}, screen, {232, 155}},
        {"fits exactly at the far corner", {801, 469, 223, 299}, screen, {801, 469}},
        {"off the right", {900, 155, 223, 299}, screen, {801, 155}},
        {"off the bottom", {232, 600, 223, 299}, screen, {232, 469}},
        {"off the left and the top", {-40, -10, 223, 299}, screen, {0, 0}},
        {"a main window on a scaled screen", {232, 155, 223, 299}, scaled, {232, 85}},
        {"a dialog beside the main window near the edge", {136, 92, 415, 425}, scaled, {97, 0}},
        {"higher than the area: its top stays in", {40, 100, 300, 500}, scaled, {40, 0}},
        {"wider and higher than the area", {100, 100, 640, 560}, scaled, {0, 0}},
        {"under a panel", {232, 10, 223, 299}, belowPanel, {232, 28}},
        {"on a second screen", {2000, 100, 415, 425}, second, {2000, 100}},
        {"off a second screen's right", {3100, 900, 415, 425}, second, {2785, 599}},
        {"left of a second screen", {1800, 100, 415, 425}, second, {1920, 100}},
    };
    for (const KeptInsideCase& c : cases) EXPECT_EQ(keptInside(c.frame, c.area), c.expected) << c.what;
}

TEST(ScreenPlacement, APlacedWindowLiesInsideItsAreaFrameIncluded) {
    QWidget window;
    window.resize(223, 299);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect area(100, 50, 400, 400);
    placeOnScreen(window, {10, 10});
    ScreenPlacement::of(window).placeAt([](QSize) { return QPoint(350, 300); }, area);
    QTest::qWait(20);
    EXPECT_TRUE(area.contains(window.frameGeometry())) << "frame at " << window.frameGeometry().x() << ", "
                                                       << window.frameGeometry().y();
    EXPECT_EQ(window.frameGeometry().bottomRight(), area.bottomRight());
    EXPECT_EQ(&ScreenPlacement::of(window), window.findChild<ScreenPlacement*>()) << "one placement a window";
}

TEST(ScreenPlacement, AWindowThatCanGiveUpRoomIsToldWhatItHas) {
    QWidget window;
    window.resize(300, 500);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QMargins frame(window.geometry().left() - window.frameGeometry().left(),
                         window.geometry().top() - window.frameGeometry().top(),
                         window.frameGeometry().right() - window.geometry().right(),
                         window.frameGeometry().bottom() - window.geometry().bottom());
    QSize told;
    ScreenPlacement::of(window).setFit([&](QSize room) {
        told = room;
        window.resize(window.width(), std::min(window.height(), room.height()));
    });
    const QRect area(0, 0, 512, 384);
    ScreenPlacement::of(window).placeAt([](QSize) { return QPoint(100, 100); }, area);
    QTest::qWait(20);
    EXPECT_EQ(told, QSize(512 - frame.left() - frame.right(), 384 - frame.top() - frame.bottom()));
    EXPECT_TRUE(area.contains(window.frameGeometry()));
}

TEST(ScreenPlacement, TheAvailableAreaIsTheScreensLessItsPanels) {
    EXPECT_EQ(availableAreaAt({10, 10}), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(availableAreaAt({-100000, -100000}), QGuiApplication::primaryScreen()->availableGeometry())
        << "off every screen: the primary one";
}

TEST(BreakableText, ALongPathGetsChancesToBreakAndReadsTheSame) {
    const QString path = QStringLiteral("Can't open file /home/user/pictures/") + QString(80, u'x') +
                         QStringLiteral("/\u00e9t\u00e9 \U0001F600.bmp");
    const QString breakable = breakableText(path);
    QString read = breakable;
    read.remove(QChar(0x200B));
    EXPECT_EQ(read, path);
    EXPECT_TRUE(breakable.contains(QStringLiteral("/\u200Bpictures/\u200B"))) << "after each separator";
    for (const QString& run : breakable.split(QRegularExpression(QStringLiteral("[\\s\u200B]"))))
        EXPECT_LE(run.size(), kLongestRun) << run.toStdString();
    EXPECT_EQ(breakableText(QStringLiteral("The password is incorrect")), QStringLiteral("The password is incorrect"));
    // A character outside the basic plane is never split from its second half.
    const QString faces = breakableText(QString(kLongestRun - 1, u'a') + QStringLiteral("\U0001F600\U0001F600"));
    for (qsizetype i = 0; i + 1 < faces.size(); ++i) {
        if (faces[i].isHighSurrogate()) {
            EXPECT_TRUE(faces[i + 1].isLowSurrogate()) << i;
        }
    }

    // What it is for: a label that wraps words keeps the path within a narrow width.
    QLabel label(breakable);
    label.setWordWrap(true);
    const QFontMetrics metrics(label.font());
    EXPECT_LE(metrics.boundingRect(QRect(0, 0, 260, 10000), Qt::TextWordWrap, breakable).width(), 260);
    EXPECT_GT(metrics.horizontalAdvance(path), 260) << "the path alone would not fit";
}

}  // namespace
}  // namespace velmora::test
