// The extract dialog alone: its two phases told apart by the caption, its messages, and what
// its save and copy buttons take from the text box.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "DialogTest.h"
#include "dialogs/ExtractDialog.h"

namespace velmora::test {
namespace {

class ExtractDialogTest : public DialogTest {
protected:
    // Opens the dialog as the Extract command does; the actions run while it is up.
    void runDialog(const std::function<void()>& actions) {
        whileOpen([this] { dialog.run(mainWindow); }, actions);
    }
    QPushButton* ok() const { return dialog.button("OKButton"); }

    // What the next extract finds: the message lines, or nothing for a wrong password.
    std::optional<std::vector<std::string>> found;
    QStringList passwordsTried;
    int finishes = 0;
    ExtractDialog dialog{desktop, [this](const QString& key) { return text(key); },
                         {[this](const std::string& password) {
                              passwordsTried << QString::fromStdString(password);
                              return found;
                          },
                          [this] { ++finishes; }}};
};

TEST_F(ExtractDialogTest, AFailedExtractStillMovesToTheSecondPhase) {
    runDialog([&] {
        EXPECT_EQ(ok()->text(), QStringLiteral("Go!"));
        press(ok());
        EXPECT_EQ(desktop.messages, QStringList{"Enter the password"});
        EXPECT_TRUE(passwordsTried.isEmpty());
        type(dialog.passwordBox(), "nope");
        press(ok());
        EXPECT_EQ(passwordsTried, QStringList{"nope"});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.textBox()->toPlainText(), QString());
        EXPECT_EQ(ok()->text(), QStringLiteral("OK"));
        dialog.passwordBox()->clear();
        press(ok());
        EXPECT_EQ(desktop.messages.last(), QStringLiteral("Enter the password"));
        press(dialog.button("CancelButton"));
    });
    EXPECT_EQ(finishes, 0) << "Cancel keeps the carrier for another try";
    EXPECT_EQ(passwordsTried.size(), 1);
    EXPECT_EQ(desktop.messages.size(), 2);
}

TEST_F(ExtractDialogTest, EnterPressesOkInEitherPhase) {
    found = std::vector<std::string>{"first", "second"};
    runDialog([&] {
        EXPECT_EQ(dialog.focusWidget(), dialog.passwordBox());
        type(dialog.passwordBox(), "pw");
        QTest::keyClick(dialog.passwordBox(), Qt::Key_Return);
        EXPECT_EQ(passwordsTried, QStringList{"pw"});
        EXPECT_EQ(dialog.textBox()->toPlainText(), QStringLiteral("first\nsecond"));
        EXPECT_EQ(ok()->text(), QStringLiteral("OK"));
        EXPECT_EQ(dialog.focusWidget(), dialog.textBox());
        QTest::keyClick(dialog.passwordBox(), Qt::Key_Return);
    });
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(passwordsTried.size(), 1) << "the second press extracts nothing";
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ExtractDialogTest, CtrlEnterPressesOkFromTheTextBoxInTheSecondPhase) {
    found = std::vector<std::string>{"line"};
    runDialog([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));  // shortcuts work in the active window
        type(dialog.passwordBox(), "pw");
        QTest::keyClick(dialog.passwordBox(), Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(ok()->text(), QStringLiteral("OK"));
        QTest::keyClick(dialog.textBox(), Qt::Key_Return, Qt::ControlModifier);
        if (dialog.isVisible()) press(dialog.button("CancelButton"));
    });
    EXPECT_EQ(passwordsTried, QStringList{"pw"});
    EXPECT_EQ(finishes, 1);
}

TEST_F(ExtractDialogTest, AFirstCaptionOfOkActsAsTheSecondPhase) {
    texts[keys::kExtractFirstPhaseButton] = QStringLiteral("OK");
    runDialog([&] {
        type(dialog.passwordBox(), "pw");
        press(ok());
    });
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(finishes, 1);
    EXPECT_TRUE(passwordsTried.isEmpty());
}

TEST_F(ExtractDialogTest, SavesEachLineWholeWithItsCharacters) {
    struct Case {
        const char* name;
        std::optional<std::vector<std::string>> found;
        std::string file;  // UTF-8 with CR LF
    };
    std::string longLine;
    for (int i = 0; i < 60; ++i) longLine += "word" + std::to_string(i) + " ";
    const std::vector<Case> cases = {
        {"nothing extracted: an empty file", std::nullopt, ""},
        {"a wrapped line stays whole, a non-breaking space stays one",
         std::vector<std::string>{"a\xA0" "b", longLine},
         "a\xC2\xA0" "b\r\n" + longLine + "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        found = c.found;
        const QString name = file(std::string("saved") + std::to_string(&c - cases.data()) + ".txt");
        runDialog([&] {
            type(dialog.passwordBox(), "pw");
            press(ok());
            desktop.textSaveAnswers = {name};
            press(dialog.button("OpentextButton"));
            press(dialog.button("CancelButton"));
        });
        const Bytes saved = readFile(name.toStdString());
        EXPECT_EQ(std::string(saved.begin(), saved.end()), c.file);
    }
}

TEST_F(ExtractDialogTest, ThePasswordBoxRefusesWhatTheCodePageCannotStoreWithTheDesktopsBeep) {
    type(dialog.passwordBox(), "pw");
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u0416"));
    QApplication::sendEvent(dialog.passwordBox(), &zhe);
    EXPECT_EQ(dialog.passwordBox()->text(), QStringLiteral("pw"));
    EXPECT_EQ(desktop.beeps, 1);
}

TEST_F(ExtractDialogTest, CopiesOnlyTheSelectionAndOpensItsHelp) {
    found = std::vector<std::string>{"first", "second"};
    runDialog([&] {
        type(dialog.passwordBox(), "pw");
        press(ok());
        desktop.clipboard = QStringLiteral("before");
        press(dialog.button("PasteButton"));
        EXPECT_EQ(desktop.clipboard, QStringLiteral("before")) << "nothing selected, nothing copied";
        dialog.textBox()->selectAll();
        press(dialog.button("PasteButton"));
        EXPECT_EQ(desktop.clipboard, QStringLiteral("first\nsecond"));
        press(dialog.button("HelpButton"));
        EXPECT_EQ(desktop.helpTopics, QStringList{"ID_03"});
        press(dialog.button("CancelButton"));
    });
}

}  // namespace
}  // namespace velmora::test
