// The tray icon: hidden at start, its tip, and what the tray's clicks turn into.
#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>

#include "shell/TrayIcon.h"

namespace velmora::test {
namespace {

TEST(TrayIcon, IsHiddenAtStartAndFollowsVisible) {
    TrayIcon tray;
    EXPECT_FALSE(tray.isVisible());
    for (const bool visible : {true, true, false, false, true}) {
        tray.setVisible(visible);
        EXPECT_EQ(tray.isVisible(), visible);
    }
}

TEST(TrayIcon, TheTipIsTheHintCutTo63CharactersOrNothing) {
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");  // two UTF-16 units
    struct Case {
        QString hint;
        bool showHint;
        QString tip;
    };
    const Case cases[] = {
        {"Velmora v1.0", true, "Velmora v1.0"},
        {"Velmora v1.0", false, ""},
        {QString(63, 'x'), true, QString(63, 'x')},
        {QString(64, 'x'), true, QString(63, 'x')},
        {QString(62, 'a') + smile, true, QString(62, 'a')},  // the pair is not split
        {QString(61, 'a') + smile + 'b', true, QString(61, 'a') + smile},
    };
    for (const Case& c : cases) {
        TrayIcon tray;
        tray.setHint(c.hint);
        tray.setShowHint(c.showHint);
        EXPECT_EQ(tray.toolTip(), c.tip) << c.hint.size() << ' ' << c.showHint;
    }
    TrayIcon tray;
    tray.setShowHint(false);
    tray.setHint("Velmora v1.0");
    EXPECT_EQ(tray.toolTip(), QString());
    tray.setShowHint(true);
    EXPECT_EQ(tray.toolTip(), QStringLiteral("Velmora v1.0"));
}

// A double click arrives as one click (the first press) and one double click.
TEST(TrayIcon, OnlyTheDoubleClickComesOutAndTheRightButtonHasTheMenu) {
    TrayIcon tray;
    QMenu menu;
    tray.setPopupMenu(&menu);
    QSignalSpy doubleClicks(&tray, &TrayIcon::doubleClicked);
    emit tray.systemIcon().activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(doubleClicks.count(), 0);
    emit tray.systemIcon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(doubleClicks.count(), 1);
    emit tray.systemIcon().activated(QSystemTrayIcon::MiddleClick);
    emit tray.systemIcon().activated(QSystemTrayIcon::Context);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(tray.systemIcon().contextMenu(), &menu);
}

}  // namespace
}  // namespace velmora::test
