// The hide dialog alone, driven by keyboard and mouse: its tests of OK, its boxes and its texts,
// and the lines it hands to the hide.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "DialogTest.h"
#include "TextWidths.h"
#include "dialogs/HideDialog.h"
#include "widgets/ColorCombo.h"
#include "widgets/NumberBox.h"

namespace velmora::test {
namespace {

class HideDialogTest : public DialogTest {
protected:
    struct Hide {
        std::string password;
        std::vector<std::string> lines;
    };

    // Opens the dialog as the Hide command does; the actions run while it is up.
    void runDialog(const std::function<void()>& actions) {
        whileOpen([this] { dialog.run(20, 0, mainWindow); }, actions);
    }
    // Fills the dialog and presses OK; what the messages and the hide then were is recorded.
    void fillAndPress(const QString& password, const QString& confirm, const QString& text) {
        runDialog([&] {
            type(dialog.passwordBox(), password);
            type(dialog.confirmBox(), confirm);
            dialog.textBox()->setPlainText(text);
            press(dialog.button("OKButton"));
            if (dialog.isVisible()) press(dialog.button("CancelButton"));
        });
    }

    int remembered = 0;
    std::vector<Hide> hides;
    HideDialog dialog{desktop, [this](const QString& key) { return text(key); },
                      {[this](std::int32_t, ColorValue) { ++remembered; },
                       [this](const std::string& password, const std::vector<std::string>& lines) {
                           hides.push_back({password, lines});
                       },
                       [this](std::int32_t step) { return step == 20 ? roomAtStep20 : 1000; }}};
    std::int32_t roomAtStep20 = 32000;
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
        EXPECT_TRUE(hides.empty());
        EXPECT_EQ(remembered, 0) << "nothing is stored before the tests pass";
    }
}

TEST_F(HideDialogTest, EnterWithBothPasswordBoxesEmptyGivesThePasswordMessage) {
    const struct {
        const char* where;
        std::function<QWidget*()> target;
    } cases[] = {
        {"on the Go! button", [this] { return dialog.button("OKButton"); }},
        {"in the confirmation box", [this] { return dialog.confirmBox(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        desktop.messages.clear();
        runDialog([&] {
            dialog.textBox()->setPlainText(QStringLiteral("text"));
            QTest::keyClick(c.target(), Qt::Key_Return);
            EXPECT_NE(dialog.focusWidget(), dialog.textBox()) << "Enter must not move on to the text";
            press(dialog.button("CancelButton"));
        });
        EXPECT_EQ(desktop.messages, QStringList{"The password is incorrect"});
        EXPECT_TRUE(hides.empty());
    }
}

TEST_F(HideDialogTest, ALoneLineBreakIsOneEmptyLine) {
    fillAndPress("pw", "pw", "\n");
    ASSERT_EQ(hides.size(), 1u);
    EXPECT_EQ(hides[0].password, "pw");
    EXPECT_EQ(hides[0].lines, std::vector<std::string>{""});
    EXPECT_EQ(remembered, 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(HideDialogTest, AWrappedParagraphIsHiddenAsItsRows) {
    QString paragraph;
    for (int i = 0; i < 40; ++i) paragraph += QStringLiteral("word%1 ").arg(i);
    paragraph = paragraph.trimmed();
    fillAndPress("pw", "pw", paragraph + "\nlast\n");
    ASSERT_EQ(hides.size(), 1u);
    const auto& lines = hides[0].lines;
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines.back(), "last");
    std::string joined;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) joined += lines[i];
    EXPECT_EQ(QString::fromStdString(joined).simplified(), paragraph);
}

TEST_F(HideDialogTest, HiddenLinesAreTheRowsTheBoxShows) {
    struct Case {
        const char* name;
        QString text;
        std::vector<std::string> lines;  // in windows-1252
    };
    const std::vector<Case> cases = {
        {"a non-breaking space stays one", QStringLiteral("a\u00A0b"), {"a\xA0" "b"}},
        {"the row after a final break is no line", QStringLiteral("a\n"), {"a"}},
        {"an empty line before it is one", QStringLiteral("a\n\n"), {"a", ""}},
        {"a forced break (Shift+Enter) ends a row", QStringLiteral("one\u2028two\nthree"), {"one", "two", "three"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        hides.clear();
        fillAndPress("pw", "pw", c.text);
        ASSERT_EQ(hides.size(), 1u);
        EXPECT_EQ(hides[0].lines, c.lines);
    }
}

TEST_F(HideDialogTest, ARowThatExactlyFitsTheBoxIsHiddenAsOneLine) {
    QString row;
    runDialog([&] {
        QPlainTextEdit& box = *dialog.textBox();
        row = rowOfWidth(box.font(), rowWidthOf(box));
        type(dialog.passwordBox(), "pw");
        type(dialog.confirmBox(), "pw");
        // The same row with one letter more no longer fits: it breaks before its last word.
        box.setPlainText(row + "\n" + row + "i");
        EXPECT_EQ(box.document()->firstBlock().lineCount(), 1) << "the box shows the row on one row";
        EXPECT_EQ(box.document()->lastBlock().lineCount(), 2);
        press(dialog.button("OKButton"));
        if (dialog.isVisible()) press(dialog.button("CancelButton"));
    });
    ASSERT_FALSE(row.isEmpty()) << "no row of that width in this font";
    ASSERT_EQ(hides.size(), 1u);
    const qsizetype lastWord = row.lastIndexOf(u' ') + 1;
    const std::vector<std::string> expected = {row.toStdString(), row.left(lastWord).toStdString(),
                                               (row.mid(lastWord) + "i").toStdString()};
    EXPECT_EQ(hides[0].lines, expected);
}

TEST_F(HideDialogTest, EnterMovesThroughThePasswordsWithoutHiding) {
    runDialog([&] {
        type(dialog.passwordBox(), "secret");
        QTest::keyClick(dialog.passwordBox(), Qt::Key_Return);
        EXPECT_EQ(dialog.focusWidget(), dialog.confirmBox());
        type(dialog.confirmBox(), "other");
        QTest::keyClick(dialog.confirmBox(), Qt::Key_Return);
        EXPECT_EQ(desktop.messages, QStringList{"The password is incorrect"});
        dialog.confirmBox()->clear();
        type(dialog.confirmBox(), "secret");
        QTest::keyClick(dialog.confirmBox(), Qt::Key_Return);
        EXPECT_EQ(dialog.focusWidget(), dialog.textBox());
        EXPECT_TRUE(dialog.isVisible());
        // Twenty characters at most, and only what the code page holds.
        type(dialog.passwordBox(), QString(30, u'a'));
        EXPECT_EQ(dialog.passwordBox()->text().size(), 20);
        type(dialog.textBox(), QStringLiteral("a"));
        QKeyEvent han(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u6F22"));
        QApplication::sendEvent(dialog.textBox(), &han);  // a character the key tables lack
        type(dialog.textBox(), QStringLiteral("b"));
        EXPECT_EQ(dialog.textBox()->toPlainText(), QStringLiteral("a?b"));
        press(dialog.button("CancelButton"));
    });
    EXPECT_TRUE(hides.empty());
    EXPECT_EQ(remembered, 0);
}

TEST_F(HideDialogTest, ThePasswordBoxesRefuseWhatTheCodePageCannotStoreWithTheDesktopsBeep) {
    for (QLineEdit* box : {dialog.passwordBox(), dialog.confirmBox()}) {
        type(box, "pw");
        QKeyEvent han(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u6F22"));
        QApplication::sendEvent(box, &han);
        EXPECT_EQ(box->text(), QStringLiteral("pw"));
    }
    EXPECT_EQ(desktop.beeps, 2);
}

TEST_F(HideDialogTest, TheStepBoxTakesNumbersOnlyAndKeepsToItsRange) {
    NumberBox& box = *dialog.stepBox();
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
    writeFile(dir.path("utf8.txt"), {'C', 'a', 'f', 0xC3, 0xA9, '\r', '\n', 'x'});
    writeFile(dir.path("latin.txt"), {'C', 'a', 'f', 0xE9});
    desktop.textOpenAnswers = {file("utf8.txt"), file("latin.txt"), file("missing.txt")};
    desktop.clipboard = QStringLiteral("[pasted]");
    press(dialog.button("OpentextButton"));
    EXPECT_EQ(dialog.textBox()->toPlainText(), QStringLiteral("Caf\u00E9\nx"));
    press(dialog.button("OpentextButton"));
    EXPECT_EQ(dialog.textBox()->toPlainText(), QStringLiteral("Caf\u00E9"));
    press(dialog.button("OpentextButton"));  // a file that cannot be read leaves the text as it was
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].startsWith("Cannot open file " + file("missing.txt"))) << desktop.errors[0].toStdString();
    EXPECT_EQ(dialog.textBox()->toPlainText(), QStringLiteral("Caf\u00E9"));
    QTextCursor cursor = dialog.textBox()->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    dialog.textBox()->setTextCursor(cursor);
    press(dialog.button("PasteButton"));
    EXPECT_EQ(dialog.textBox()->toPlainText(), QStringLiteral("C[pasted]\u00E9"));
    press(dialog.button("HelpButton"));
    EXPECT_EQ(desktop.helpTopics, QStringList{"ID_02"});
}

// "pw" and "abcdefg" take 2 + 7 + 1 (the line's separator) bytes.
TEST_F(HideDialogTest, AMessageTooLargeForThePictureIsRefusedWithEverythingKept) {
    texts[keys::kTextTooLarge] = QStringLiteral("too large for the picture");
    roomAtStep20 = 10;
    runDialog([&] {
        type(dialog.passwordBox(), "pw");
        type(dialog.confirmBox(), "pw");
        dialog.colorBox()->setSelectedColor(0x00FF00);
        dialog.textBox()->setPlainText(QStringLiteral("abcdefgh"));
        press(dialog.button("OKButton"));
        EXPECT_EQ(desktop.messages, QStringList{"too large for the picture"});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.passwordBox()->text(), QStringLiteral("pw"));
        EXPECT_EQ(dialog.confirmBox()->text(), QStringLiteral("pw"));
        EXPECT_EQ(dialog.textBox()->toPlainText(), QStringLiteral("abcdefgh"));
        EXPECT_EQ(dialog.stepBox()->value(), 20);
        EXPECT_EQ(dialog.colorBox()->selectedColor(), 0x00FF00);
        EXPECT_EQ(remembered, 0) << "nothing is stored while a test fails";

        dialog.textBox()->setPlainText(QStringLiteral("abcdefg"));  // exactly full
        press(dialog.button("OKButton"));
    });
    EXPECT_EQ(desktop.messages.size(), 1);
    ASSERT_EQ(hides.size(), 1u);
    EXPECT_EQ(hides[0].lines, std::vector<std::string>{"abcdefg"});
    EXPECT_EQ(remembered, 1);
}

TEST_F(HideDialogTest, TheTitleShowsTheRoomTheMessageTakesAsItChanges) {
    roomAtStep20 = 10;
    texts[keys::kHideInformation] = QStringLiteral("Hide");
    texts[keys::kHideRoom] = QStringLiteral("%1 of %2");
    texts[keys::kHideRoomTooLarge] = QStringLiteral("over");
    QStringList titles;
    runDialog([&] {
        titles << dialog.windowTitle();
        type(dialog.passwordBox(), "pw");
        titles << dialog.windowTitle();
        type(dialog.confirmBox(), "pw");  // the second box is not stored
        titles << dialog.windowTitle();
        dialog.textBox()->setPlainText(QStringLiteral("abc"));
        titles << dialog.windowTitle();
        desktop.clipboard = QStringLiteral("defgh");
        press(dialog.button("PasteButton"));
        titles << dialog.windowTitle();
        QTest::keyClick(dialog.stepBox(), Qt::Key_Up);  // another step, another room
        titles << dialog.windowTitle();
        press(dialog.button("CancelButton"));
    });
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Hide \u2014 0 of 10"), QStringLiteral("Hide \u2014 2 of 10"),
                                   QStringLiteral("Hide \u2014 2 of 10"), QStringLiteral("Hide \u2014 6 of 10"),
                                   QStringLiteral("Hide \u2014 11 of 10 \u2014 over"),
                                   QStringLiteral("Hide \u2014 11 of ") + QLocale().toString(1000)}));
}

TEST_F(HideDialogTest, CtrlEnterPressesGoFromAnyBoxAndEscapeCancels) {
    const struct {
        const char* from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {
        {"the text box", Qt::Key_Return, Qt::ControlModifier},
        {"the first password box", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier},
        {"the step box", Qt::Key_Return, Qt::ControlModifier},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        hides.clear();
        runDialog([&] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));  // shortcuts work in the active window
            type(dialog.passwordBox(), "pw");
            type(dialog.confirmBox(), "pw");
            dialog.textBox()->setPlainText(QStringLiteral("text"));
            QWidget* box = std::string_view(c.from) == "the text box"  ? static_cast<QWidget*>(dialog.textBox())
                           : std::string_view(c.from) == "the step box" ? static_cast<QWidget*>(dialog.stepBox())
                                                                        : dialog.passwordBox();
            box->setFocus();
            QTest::keyClick(box, c.key, c.modifiers);
            if (dialog.isVisible()) press(dialog.button("CancelButton"));
        });
        ASSERT_EQ(hides.size(), 1u);
        EXPECT_EQ(hides[0].lines, std::vector<std::string>{"text"}) << "no line break was typed";
    }
    hides.clear();
    bool closed = false;
    runDialog([&] {
        type(dialog.passwordBox(), "pw");
        QTest::keyClick(dialog.passwordBox(), Qt::Key_Escape);
        closed = !dialog.isVisible();
        if (!closed) press(dialog.button("CancelButton"));
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(hides.empty());
}

}  // namespace
}  // namespace velmora::test
