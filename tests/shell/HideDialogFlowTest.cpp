// Hides through the main window, its controller and the hide dialog: what is stored and written,
// and the window while the dialog is hidden for its operation.
#include <QLocale>

#include "DialogFixture.h"
#include "engine/EngineError.h"
#include "engine/ExtractCore.h"
#include "engine/OperationMessages.h"
#include "widgets/ColorCombo.h"
#include "widgets/NumberBox.h"

namespace velmora::test {
namespace {

class HideFlowTest : public DialogFixture {
protected:
    HideFlowTest() { openCarrier("p.bmp", {.width = 200, .rows = 100}); }
    // Fills the dialog and presses OK; what the messages and the hide then were is recorded.
    void fillAndPress(const QString& password, const QString& confirm, const QString& text) {
        whileOpen([this] { window.hideCommand(); },
                  [&] {
                      type(hide().passwordBox(), password);
                      type(hide().confirmBox(), confirm);
                      hide().textBox()->setPlainText(text);
                      press(hide().button("OKButton"));
                      if (hide().isVisible()) press(hide().button("CancelButton"));
                  });
    }
    std::vector<std::string> extracted(const QString& file) {
        CarrierPicture picture;
        picture.load(file.toStdString());
        const ExtractResult r = extractMessage(picture, "pw");
        return r.succeeded() ? unpackMessageText(r.storedText) : std::vector<std::string>{"<no message>"};
    }
};

TEST_F(HideFlowTest, TheWindowHoldsBackItsCommandsWhileTheDialogHides) {
    controller->setOutputPolicy(OutputPolicy::OverSource);
    // While the dialog is hidden for the hide, the main window starts no command, nor goes to
    // the tray, yet stays enabled: a disabled window would disable the message box it parents too.
    bool exitOffered = true;
    bool windowEnabled = false;
    bool stayedOnScreen = false;
    desktop.onMessage = [&] {
        exitOffered = window.exitAction()->isEnabled();
        windowEnabled = window.isEnabled();
        window.minimizeButtonClicked();
        stayedOnScreen = window.isVisible() && !controller->settings().minimized;
    };
    fillAndPress("pw", "pw", "\n");
    EXPECT_FALSE(exitOffered);
    EXPECT_TRUE(windowEnabled);
    EXPECT_TRUE(stayedOnScreen);
    EXPECT_TRUE(window.exitAction()->isEnabled());
    EXPECT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(extracted(folder("p.bmp")).empty());
    EXPECT_FALSE(controller->loaded());
}

TEST_F(HideFlowTest, ATextTooLargeForTheOpenPictureKeepsThePictureOpen) {
    controller->setOutputPolicy(OutputPolicy::OverSource);
    controller->rememberStepAndColor(20, 0);  // 200 x 100 at step 20: room for 996 bytes
    QString title;
    desktop.onMessage = [&] { title = hide().windowTitle(); };
    fillAndPress("pw", "pw", QString(995, u'x'));
    EXPECT_EQ(desktop.messages, QStringList{QString::fromLatin1(messages::kTextTooLarge)});
    EXPECT_TRUE(title.endsWith(" of " + QLocale().toString(996) + " bytes \u2014 too large")) << title.toStdString();
    EXPECT_TRUE(controller->loaded()) << "the picture stays open for a shorter text or a smaller step";
    EXPECT_TRUE(extracted(folder("p.bmp")) == std::vector<std::string>{"<no message>"});
}

TEST_F(HideFlowTest, StoresStepAndColourBeforeHidingAndPlacesItselfOverTheWindow) {
    controller->rememberStepAndColor(16777215, 0);  // left by a failed extract
    controller->setOutputPolicy(OutputPolicy::NumberedName);
    whileOpen([this] { window.hideCommand(); },
              [&] {
                  EXPECT_EQ(hide().stepBox()->text(), QStringLiteral("500"));
                  expectPlacedOver(window, hide());
                  EXPECT_EQ(hide().focusWidget(), hide().passwordBox());
                  hide().stepBox()->setValue(500);
                  hide().colorBox()->setSelectedColor(0x808000);
                  type(hide().passwordBox(), "pw");
                  type(hide().confirmBox(), "pw");
                  type(hide().textBox(), QString(20, u'x'));  // 2 + 21 of the 36 bytes at step 500
                  press(hide().button("OKButton"));
              });
    EXPECT_EQ(controller->settings().step, 500);
    EXPECT_EQ(controller->settings().baseColor, 0x808000);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].startsWith(QString::fromLatin1(messages::kHiddenSuccessfully)));
    EXPECT_FALSE(hide().isVisible());
}

TEST_F(HideFlowTest, AFailedSaveGivesTheWindowItsCommandsBack) {
    controller->setOutputPolicy(OutputPolicy::AskForName);
    const QString unreachable = folder("missing/p.bmp");
    expectEachWayOutWorksAfter([&] {
        openCarrier("p.bmp", {.width = 200, .rows = 100});
        desktop.errors.clear();
        desktop.saveAnswers = {unreachable};
        fillAndPress("pw", "pw", "text");
        const QString cannotCreate = QString::fromStdString(messages::cannotCreateFile(unreachable.toStdString()));
        EXPECT_EQ(desktop.errors, QStringList{errorBoxText(cannotCreate)});
    });
}

}  // namespace
}  // namespace velmora::test
