// When a window's effects play: the growing one before the window reaches the screen, the
// shrinking one 100 ms after it has left, nothing while switched off, and the move to the
// screen's centre first.
#include "anim/WindowEffectHook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <optional>
#include <vector>

#include "QtPrinters.h"

namespace velmora {
namespace {

// What the window looked like each time an effect was chosen, which is when a play begins.
struct PlayRecord {
    bool windowOnScreen;
    bool windowVisible;
    QPoint position;
    qint64 msSinceMark;
};

class HookFixture : public testing::Test {
protected:
    HookFixture() {
        window.resize(437, 158);
        hook.effect().setDelay(0);  // no pauses: each play is over at once
        clock.start();
    }

    AnimationEffect::RandomSource recorder() {
        return [this](int) {
            const QWindow* handle = window.windowHandle();
            plays.push_back({handle && handle->isVisible(), window.isVisible(), window.pos(), clock.elapsed()});
            return 0;
        };
    }

    QWidget window;
    std::vector<PlayRecord> plays;
    QElapsedTimer clock;
    WindowEffectHook hook{window, recorder()};
};

TEST_F(HookFixture, SwitchedOffByDefault) {
    EXPECT_FALSE(hook.animateOnShow());
    EXPECT_FALSE(hook.animateOnHide());
    EXPECT_FALSE(hook.centreOnScreen());
    window.show();
    window.hide();
    EXPECT_TRUE(plays.empty());
}

TEST_F(HookFixture, ShowPlaysBeforeTheWindowReachesTheScreen) {
    hook.setAnimateOnShow(true);
    window.show();
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_FALSE(plays[0].windowOnScreen);
    EXPECT_TRUE(window.windowHandle()->isVisible());
    window.hide();
    EXPECT_EQ(plays.size(), 1u);
}

TEST_F(HookFixture, HidePlaysOnceTheWindowHasBeenGoneFor100Ms) {
    hook.setAnimateOnHide(true);
    window.show();
    EXPECT_TRUE(plays.empty());
    clock.restart();
    window.hide();
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_FALSE(plays[0].windowVisible);
    EXPECT_FALSE(plays[0].windowOnScreen);
    EXPECT_GE(plays[0].msSinceMark, 100);
}

TEST_F(HookFixture, EveryShowAndHidePlays) {
    hook.setAnimateOnShow(true);
    hook.setAnimateOnHide(true);
    for (int i = 0; i < 2; ++i) {
        window.show();
        window.hide();
    }
    EXPECT_EQ(plays.size(), 4u);
}

TEST_F(HookFixture, CentresTheWindowBeforePlaying) {
    hook.setAnimateOnShow(true);
    hook.setCentreOnScreen(true);
    window.move(5, 5);
    window.show();
    const QRect screen = window.screen()->geometry();
    const QSize outer = window.frameGeometry().size();  // with the frame the desktop adds
    const QPoint centred(screen.left() + (screen.width() - outer.width()) / 2,
                         screen.top() + (screen.height() - outer.height()) / 2);
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0].position, centred);
    EXPECT_EQ(window.pos(), centred);
}

// A modal dialog: the show plays inside exec() before the dialog is up, the hide before exec()
// returns. Whatever closes the dialog waits until it is the modal window, since timers already
// run during the show's pauses.
TEST(WindowEffectHook, PlaysAroundAModalDialog) {
    QDialog dialog;
    int plays = 0;
    WindowEffectHook hook(dialog, [&](int) {
        ++plays;
        return 0;
    });
    hook.setAnimateOnShow(true);
    hook.setAnimateOnHide(true);
    hook.effect().setDelay(25);  // 1 ms pauses
    QTimer closer;
    int playsWhenModal = -1;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != &dialog) return;
        playsWhenModal = plays;
        dialog.accept();
    });
    closer.start(5);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(playsWhenModal, 1);
    EXPECT_EQ(plays, 2);
}

// A window larger than the screen goes to its top-left corner, not off its edge.
TEST_F(HookFixture, CentringNeverGoesPastTheTopLeftCorner) {
    hook.setAnimateOnShow(true);
    hook.setCentreOnScreen(true);
    const QRect screen = window.screen()->geometry();
    window.resize(screen.width() + 40, 100);
    window.show();
    const int outerHeight = window.frameGeometry().height();
    EXPECT_EQ(window.pos(), QPoint(screen.left(), screen.top() + (screen.height() - outerHeight) / 2));
}

}  // namespace
}  // namespace velmora
