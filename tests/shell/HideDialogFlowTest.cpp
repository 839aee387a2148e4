// The hide dialog driven by keyboard and mouse: its tests of OK, its boxes and its texts.
#include "DialogFixture.h"
#include "widgets/NumberBox.h"
#include "engine/ExtractCore.h"
#include "engine/OperationMessages.h"
#include "widgets/ColorCombo.h"

namespace velmora::test {
namespace {

class HideDialogTest : public DialogFixture {
protected:
    HideDialogTest() { openCarrier("p.bmp", {.width = 200, .rows = 100}); }
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

TEST_F(HideDialogTest, OkTestsPasswordsFirstThenText) {
    struct Case {
        const char* name;
        QString password, confirm, text;
        QString message;  // empty: the hide runs
    };
    const QString incorrect = QStringLiteral("The password is incorrect");
    const QString noText = QStringLiteral("The information is not entered");
    const std::vector<Case> cases = {
        {"both empty", "", "", "text", incorrect},
        {"confirmation empty", "pw", "", "text", incorrect},
        {"different, no text", "pw", "pW", "", incorrect},
        {"matching, no text", "pw", "pw", "", noText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.messages.clear();
        fillAndPress(c.password, c.confirm, c.text);
        EXPECT_EQ(desktop.messages, QStringList{c.message});
        EXPECT_TRUE(controller->loaded());
        EXPECT_EQ(controller->settings().step, 20) << "nothing is stored before the tests pass";
    }
}

TEST_F(HideDialogTest, ALoneLineBreakIsOneEmptyLine) {
    controller->setOutputPolicy(OutputPolicy::OverSource);
    // While the dialog is hidden for the hide, the main window starts no command, yet stays
    // enabled: a disabled window would disable the message box it parents too.
    bool exitOffered = true;
    bool windowEnabled = false;
    desktop.onMessage = [&] {
        exitOffered = window.menuItem("Exit_Menu")->isEnabled();
        windowEnabled = window.isEnabled();
    };
    fillAndPress("pw", "pw", "\n");
    EXPECT_FALSE(exitOffered);
    EXPECT_TRUE(windowEnabled);
    EXPECT_TRUE(window.menuItem("Exit_Menu")->isEnabled());
    EXPECT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(extracted(folder("p.bmp")).empty());
    EXPECT_FALSE(controller->loaded());
}

TEST_F(HideDialogTest, AWrappedParagraphIsHiddenAsItsRows) {
    controller->setOutputPolicy(OutputPolicy::OverSource);
    QString paragraph;
    for (int i = 0; i < 40; ++i) paragraph += QStringLiteral("word%1 ").arg(i);
    paragraph = paragraph.trimmed();
    fillAndPress("pw", "pw", paragraph + "\nlast\n");
    const auto lines = extracted(folder("p.bmp"));
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines.back(), "last");
    std::string joined;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) joined += lines[i];
    EXPECT_EQ(QString::fromStdString(joined).simplified(), paragraph);
}

TEST_F(HideDialogTest, StoresStepAndColourBeforeHidingAndPlacesItselfOverTheWindow) {
    controller->rememberStepAndColor(16777215, 0);  // left by a failed extract
    controller->setOutputPolicy(OutputPolicy::NumberedName);
    whileOpen([this] { window.hideCommand(); },
              [&] {
                  EXPECT_EQ(hide().stepBox()->text(), QStringLiteral("500"));
                  EXPECT_EQ(hide().pos(), window.pos() - QPoint(96, 63));
                  EXPECT_EQ(hide().focusWidget(), hide().passwordBox());
                  hide().stepBox()->setValue(500);
                  hide().colorBox()->setSelectedColor(0x808000);
                  type(hide().passwordBox(), "pw");
                  type(hide().confirmBox(), "pw");
                  type(hide().textBox(), QString(40, u'x'));  // 40 slots at step 500: too large
                  press(hide().button("OKButton"));
              });
    EXPECT_EQ(controller->settings().step, 500);
    EXPECT_EQ(controller->settings().baseColor, 0x808000);
    EXPECT_EQ(desktop.messages, QStringList{QString::fromLatin1(messages::kTextTooLarge)});
    EXPECT_FALSE(hide().isVisible());
}

TEST_F(HideDialogTest, EnterMovesThroughThePasswordsWithoutHiding) {
    whileOpen([this] { window.hideCommand(); },
              [&] {
                  type(hide().passwordBox(), "secret");
                  QTest::keyClick(hide().passwordBox(), Qt::Key_Return);
                  EXPECT_EQ(hide().focusWidget(), hide().confirmBox());
                  type(hide().confirmBox(), "other");
                  QTest::keyClick(hide().confirmBox(), Qt::Key_Return);
                  EXPECT_EQ(desktop.messages, QStringList{"The password is incorrect"});
                  hide().confirmBox()->clear();
                  type(hide().confirmBox(), "secret");
                  QTest::keyClick(hide().confirmBox(), Qt::Key_Return);
                  EXPECT_EQ(hide().focusWidget(), hide().textBox());
                  EXPECT_TRUE(hide().isVisible());
                  // Twenty characters at most, and only what the code page holds.
                  type(hide().passwordBox(), QString(30, u'a'));
                  EXPECT_EQ(hide().passwordBox()->text().size(), 20);
                  type(hide().textBox(), QStringLiteral("a"));
                  QKeyEvent han(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u6F22"));
                  QApplication::sendEvent(hide().textBox(), &han);  // a character the key tables lack
                  type(hide().textBox(), QStringLiteral("b"));
                  EXPECT_EQ(hide().textBox()->toPlainText(), QStringLiteral("a?b"));
                  press(hide().button("CancelButton"));
              });
    EXPECT_TRUE(controller->loaded());
}

TEST_F(HideDialogTest, TheStepBoxTakesNumbersOnlyAndKeepsToItsRange) {
    NumberBox& box = *hide().stepBox();
    struct Case {
        QString typed;
        int value;
    };
    for (const Case& c : std::vector<Case>{{"900", 500}, {"1", 2}, {"-7", 2}, {"+", 2}, {"42", 42}}) {
        box.setValue(2);
        box.clearText();
        type(&box, c.typed);
        EXPECT_EQ(box.value(), c.value) << c.typed.toStdString();
    }
    const int beepsBefore = desktop.beeps;
    box.clearText();
    type(&box, "4x");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(desktop.beeps, beepsBefore + 2);
    EXPECT_EQ(box.text(), QStringLiteral("4"));
    box.setValue(500);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.value(), 500);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.value(), 499);
}

TEST_F(HideDialogTest, TextComesFromFilesAndTheClipboard) {
    writeFile(folder("utf8.txt"), {'C', 'a', 'f', 0xC3, 0xA9, '\r', '\n', 'x'});
    writeFile(folder("latin.txt"), {'C', 'a', 'f', 0xE9});
    desktop.textOpenAnswers = {folder("utf8.txt"), folder("latin.txt")};
    desktop.clipboard = QStringLiteral("[pasted]");
    press(hide().button("OpentextButton"));
    EXPECT_EQ(hide().textBox()->toPlainText(), QStringLiteral("Caf\u00E9\nx"));
    press(hide().button("OpentextButton"));
    EXPECT_EQ(hide().textBox()->toPlainText(), QStringLiteral("Caf\u00E9"));
    QTextCursor cursor = hide().textBox()->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    hide().textBox()->setTextCursor(cursor);
    press(hide().button("PasteButton"));
    EXPECT_EQ(hide().textBox()->toPlainText(), QStringLiteral("C[pasted]\u00E9"));
    press(hide().button("HelpButton"));
    EXPECT_EQ(desktop.helpTopics, QStringList{"ID_02"});
}

}  // namespace
}  // namespace velmora::test
