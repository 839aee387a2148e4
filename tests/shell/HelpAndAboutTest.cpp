// Which help topic each command opens, with its dialog left open; the About box.
#include <QApplication>
#include <QTest>

#include "DialogFixture.h"
#include "anim/GifAnimator.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/FirstOpenDialog.h"
#include "dialogs/OptionsDialog.h"
#include "skin/SkinLabel.h"

namespace velmora::test {
namespace {

class HelpTest : public DialogFixture {
protected:
    // Runs a command that opens a modal dialog, acts in it, and closes it by Cancel or OK.
    void inDialog(const std::function<void()>& open, QDialog& dialog, const std::function<void()>& act) {
        whileOpen(open, [&] {
            // Not qWaitForWindowActive: it counts a dialog as active while its owner still is.
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            act();
            EXPECT_TRUE(dialog.isVisible()) << "help leaves the dialog open";
            dialog.reject();
        });
    }
    static void pressF1(QWidget& target) { QTest::keyClick(&target, Qt::Key_F1); }
};

TEST_F(HelpTest, EachHelpCommandOpensItsTopic) {
    openCarrier("p.bmp");
    AboutDialog& about = *window.aboutDialog();
    FirstOpenDialog& tips = *window.firstOpenDialog();
    struct Case {
        const char* what;
        std::function<void()> run;
        const char* topic;
    };
    const std::vector<Case> cases = {
        {"F1", [&] { pressF1(window); }, "ID_01"},
        {"Help menu item", [&] { window.helpAction()->trigger(); }, "ID_01"},
        {"hide dialog's Help", [&] { inDialog([&] { window.hideCommand(); }, hide(), [&] { press(hide().button("HelpButton")); }); }, "ID_02"},
        {"F1 in the hide dialog", [&] { inDialog([&] { window.hideCommand(); }, hide(), [&] { pressF1(hide()); }); }, "ID_02"},
        {"extract dialog's Help", [&] { inDialog([&] { window.extractCommand(); }, extract(), [&] { press(extract().button("HelpButton")); }); }, "ID_03"},
        {"F1 in the extract dialog", [&] { inDialog([&] { window.extractCommand(); }, extract(), [&] { pressF1(extract()); }); }, "ID_03"},
        {"About box's Help", [&] { inDialog([&] { window.aboutCommand(); }, about, [&] { press(about.button("HelpButton")); }); }, "ID_01"},
        {"F1 in the About box", [&] { inDialog([&] { window.aboutCommand(); }, about, [&] { pressF1(about); }); }, "ID_01"},
        {"tips' Help", [&] { inDialog([&] { tips.exec(); }, tips, [&] { press(tips.button("HelpButton")); }); }, "ID_01"},
    };
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const Case& c : cases) {
        desktop.helpTopics.clear();
        c.run();
        EXPECT_EQ(desktop.helpTopics, QStringList{c.topic}) << c.what;
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    EXPECT_TRUE(controller->loaded()) << "no help command touched the carrier";
}

TEST_F(HelpTest, TheAboutBoxShowsNameAndEmblemAndOkClosesIt) {
    AboutDialog& about = *window.aboutDialog();
    whileOpen([&] { window.aboutCommand(); },
              [&] {
                  EXPECT_TRUE(about.isVisible());
                  EXPECT_TRUE(about.isModal());
                  EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
                  EXPECT_EQ(about.size(), QSize(307, 256));
                  EXPECT_EQ(about.pos(), QPoint(192, 107));
                  EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
                  EXPECT_EQ(about.findChild<SkinLabel*>("SkinLabel1")->caption(), QStringLiteral("Velmora v1.1"));
                  EXPECT_EQ(about.emblem()->geometry(), QRect(16, 20, 49, 57));
                  EXPECT_EQ(about.emblem()->currentFrame().size(), QSize(49, 48));
                  EXPECT_FALSE(about.emblem()->animate()) << "a still picture";
                  EXPECT_EQ(about.button("OKButton")->text(), QStringLiteral("OK"));
                  EXPECT_EQ(about.button("HelpButton")->text(), QStringLiteral("Help"));
                  press(about.button("OKButton"));
              });
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

}  // namespace
}  // namespace velmora::test
