// Into the tray and back: the Minimized setting, the start in the tray, the window's own
// commands, and a desktop without a tray.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ControllerFixture.h"
#include "DialogDriving.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HideDialog.h"
#include "shell/MainWindow.h"
#include "shell/TrayIcon.h"
#include "shell/TrayMinimizer.h"

namespace velmora::test {
namespace {

// Longer than the start timer, so that it has fired when the wait ends.
constexpr int kPastStartTimerMs = 20 * TrayMinimizer::kStartDelayMs;

class TrayMinimizeTest : public ControllerFixture {
protected:
    // A window after its show step, with the settings file as given. One that starts minimised
    // leaves the screen a few milliseconds later, often before a busy machine has exposed it: it
    // is not waited for, so what the test does next comes right after the show step, as in the
    // program.
    std::unique_ptr<MainWindow> startWindow(MainController& with, const std::string& settings = "[Main]\nFirstOpen=0\n") {
        writeFile(folder("velmora.ini"), Bytes(settings.begin(), settings.end()));
        auto window = std::make_unique<MainWindow>(with, desktop);
        window->show();
        if (settings.find("Minimized=1") == std::string::npos) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        }
        return window;
    }
    static bool inTray(const MainWindow& window, const MainController& with) {
        return !window.isVisible() && window.trayIcon()->isVisible() && with.settings().minimized;
    }
    static bool onScreen(const MainWindow& window, const MainController& with) {
        return window.isVisible() && !window.isMinimized() && !window.trayIcon()->isVisible() &&
               !with.settings().minimized;
    }
    std::string settingsText() const {
        const Bytes file = readFile(folder("velmora.ini").toStdString());
        return {file.begin(), file.end()};
    }
    static void doubleClickTray(MainWindow& window) {
        emit window.trayIcon()->systemIcon().activated(QSystemTrayIcon::Trigger);
        emit window.trayIcon()->systemIcon().activated(QSystemTrayIcon::DoubleClick);
    }
};

TEST_F(TrayMinimizeTest, MinimiseThenDoubleClickBringsTheWindowBackWhereItWas) {
    auto window = startWindow(*controller);
    window->move(300, 200);
    const QPoint place = window->pos();
    EXPECT_TRUE(onScreen(*window, *controller));

    window->minimizeButtonClicked();
    EXPECT_TRUE(inTray(*window, *controller));
    EXPECT_EQ(window->trayIcon()->toolTip(), QStringLiteral("Velmora v1.0"));

    doubleClickTray(*window);
    EXPECT_TRUE(onScreen(*window, *controller));
    EXPECT_EQ(window->pos(), place);
    window->close();
    EXPECT_NE(settingsText().find("Minimized=0\n"), std::string::npos) << settingsText();
}

TEST_F(TrayMinimizeTest, ASingleClickOnTheTrayIconChangesNothing) {
    auto window = startWindow(*controller);
    window->minimizeButtonClicked();
    emit window->trayIcon()->systemIcon().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(inTray(*window, *controller));
}

// The tray icon's menu is the window's popup menu, so one item goes both ways.
TEST_F(TrayMinimizeTest, TheMinimizeItemGoesIntoTheTrayAndBackFromEitherMenu) {
    auto window = startWindow(*controller);
    EXPECT_EQ(window->trayIcon()->systemIcon().contextMenu(), window->popupMenu());
    QAction* item = window->minimizeAction();
    item->trigger();
    EXPECT_TRUE(inTray(*window, *controller));
    item->trigger();
    EXPECT_TRUE(onScreen(*window, *controller));
}

TEST_F(TrayMinimizeTest, ExitInTheTrayIsRememberedAndTheNextStartGoesBackThere) {
    {
        auto window = startWindow(*controller);
        window->minimizeButtonClicked();
        window->exitAction()->trigger();
        EXPECT_NE(settingsText().find("Minimized=1\n"), std::string::npos) << settingsText();
    }
    RecordingDrum secondDrum;
    MainController next(desktop, secondDrum, folder(""), folder("velmora.ini"));
    MainWindow window(next, desktop);
    window.show();
    EXPECT_TRUE(window.isVisible());  // shown briefly, then into the tray
    QTest::qWait(kPastStartTimerMs);
    EXPECT_TRUE(inTray(window, next));

    doubleClickTray(window);
    QTest::qWait(kPastStartTimerMs);  // the timer fired once and for all
    EXPECT_TRUE(onScreen(window, next));
    window.exitButtonClicked();
    EXPECT_FALSE(window.isVisible());
    EXPECT_NE(settingsText().find("Minimized=0\n"), std::string::npos) << settingsText();
}

// A hidden window's close would not end the event loop by itself.
TEST_F(TrayMinimizeTest, ExitFromTheTrayEndsTheProgram) {
    auto window = startWindow(*controller);
    QTimer::singleShot(0, [&] {
        window->minimizeButtonClicked();
        window->exitAction()->trigger();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // the loop went on
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(TrayMinimizeTest, AProgramClosedOnTheScreenStaysThere) {
    auto window = startWindow(*controller, "[Main]\nFirstOpen=0\nMinimized=0\n");
    QTest::qWait(kPastStartTimerMs);
    EXPECT_TRUE(onScreen(*window, *controller));
}

// Without a tray the window goes to the window manager, which gives it back; the program is
// not in a tray, so nothing says so at the next start. A start that was to go into the tray
// stays on the screen: where no taskbar shows minimised windows, it would seem not to start.
TEST_F(TrayMinimizeTest, WithoutATrayMinimisingLeavesTheWindowToTheTaskbarAndTheStartOnTheScreen) {
    desktop.systemTray = false;
    auto window = startWindow(*controller);
    window->minimizeButtonClicked();
    EXPECT_TRUE(window->isMinimized());
    EXPECT_FALSE(window->trayIcon()->isVisible());
    EXPECT_FALSE(controller->settings().minimized);

    RecordingDrum secondDrum;
    MainController next(desktop, secondDrum, folder(""), folder("velmora.ini"));
    auto second = startWindow(next, "[Main]\nFirstOpen=0\nMinimized=1\n");
    QTest::qWait(kPastStartTimerMs);
    EXPECT_TRUE(onScreen(*second, next));
}

TEST_F(TrayMinimizeTest, WhenTheTrayGoesAwayTheWindowComesBack) {
    auto window = startWindow(*controller);
    window->minimizeButtonClicked();
    QTest::qWait(TrayMinimizer::kTrayCheckMs + 200);
    EXPECT_TRUE(inTray(*window, *controller));  // the tray is still there
    desktop.systemTray = false;
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 3 * TrayMinimizer::kTrayCheckMs);
    EXPECT_TRUE(onScreen(*window, *controller));
}

TEST_F(TrayMinimizeTest, FilesNamedAtStartOpenOnTheScreenEvenAfterAnExitInTheTray) {
    const QString bmp = picture("p.bmp");
    auto window = startWindow(*controller, "[Main]\nFirstOpen=0\nMinimized=1\n");
    window->openStartFiles({folder("notes.txt"), bmp});
    EXPECT_EQ(desktop.messages, QStringList{"You can drop only *.bmp files!"});
    EXPECT_EQ(controller->sourceFileName(), bmp);
    QTest::qWait(kPastStartTimerMs);
    EXPECT_TRUE(onScreen(*window, *controller));
}

TEST_F(TrayMinimizeTest, HideAndExtractButtonsBeepWithoutACarrier) {
    auto window = startWindow(*controller);
    QSignalSpy hides(window->hideAction(), &QAction::triggered);
    QSignalSpy extracts(window->extractAction(), &QAction::triggered);
    window->hideButtonClicked();
    window->extractButtonClicked();
    EXPECT_EQ(desktop.beeps, 2);
    EXPECT_EQ(hides.count() + extracts.count(), 0);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(TrayMinimizeTest, TheHideButtonRunsTheHideItemWhenACarrierIsOpen) {
    auto window = startWindow(*controller);
    openCarrier("p.bmp");
    QSignalSpy hides(window->hideAction(), &QAction::triggered);
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        dialogShown = window->hideDialog()->isVisible();
        window->hideDialog()->reject();
    });
    window->hideButtonClicked();
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(hides.count(), 1);
    EXPECT_EQ(desktop.beeps, 0);
}

TEST_F(TrayMinimizeTest, TheProductLabelRunsAboutAndTheExitButtonExit) {
    auto window = startWindow(*controller);
    QSignalSpy abouts(window->aboutAction(), &QAction::triggered);
    QSignalSpy exits(window->exitAction(), &QAction::triggered);
    bool aboutShown = false;
    whileOpen([&] { window->productLabelClicked(); },
              [&] {
                  aboutShown = window->aboutDialog()->isVisible();
                  window->aboutDialog()->reject();
              });
    EXPECT_EQ(abouts.count(), 1);
    EXPECT_TRUE(aboutShown);
    window->exitButtonClicked();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace velmora::test
