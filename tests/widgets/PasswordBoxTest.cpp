// The password box: what it takes typed, pasted, dropped or composed, and what it refuses with a
// beep and a hint at the box instead of weakening the password to "?".
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

#include <functional>
#include <memory>

#include "widgets/BalloonHint.h"
#include "widgets/PasswordBox.h"

namespace velmora::test {
namespace {

class PasswordBoxTest : public ::testing::Test {
protected:
    // One character sent as a key press, as a keyboard without a key for it sends it.
    void typeCharacter(const QString& character) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(box.get(), &key);
    }
    void pasteByKeys(const QString& clipboard) {
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(box.get(), Qt::Key_V, Qt::ControlModifier);
    }
    void pasteFromMenu(const QString& clipboard) {
        QGuiApplication::clipboard()->setText(clipboard);
        box->paste();
    }
    void compose(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box.get(), &event);
    }

    QWidget& balloon() const { return *box->findChild<BalloonHint*>(); }

    int beeps = 0;
    QString hintWords = QStringLiteral("Not that one");
    std::unique_ptr<QLineEdit> box{makePasswordBox(
        "PwdEdit", {0, 0, 177, 21}, {[this] { ++beeps; }, [this] { return hintWords; }}, nullptr)};
};

TEST_F(PasswordBoxTest, TakesWhatTheCodePageStoresAndRefusesTheRestWithABeep) {
    struct Case {
        const char* name;
        std::function<void()> edit;
        QString text;  // after "ab"
        int beeps;
    };
    const std::vector<Case> cases = {
        {"typed letters of the code page", [this] {
             QTest::keyClicks(box.get(), "c");
             typeCharacter("\u00E9");
         },
         "abc\u00E9", 0},
        {"a typed CJK character", [this] { typeCharacter("\u6F22"); }, "ab", 1},
        {"a typed Cyrillic character", [this] { typeCharacter("\u0416"); }, "ab", 1},
        {"a paste of storable text", [this] { pasteByKeys("cd"); }, "abcd", 0},
        {"a paste holding one such character, by keys", [this] { pasteByKeys("c\u6F22d"); }, "ab", 1},
        {"the same from the menu", [this] { pasteFromMenu("\u0416cd"); }, "ab", 1},
        {"a drop", [this] { box->insert("cd\u0416"); }, "ab", 1},
        {"a composed character", [this] { compose("\u6F22"); }, "ab", 1},
        {"a paste cut to the room left, then refused for what remains",
         [this] { pasteByKeys(QString(17, u'c') + "\u6F22cc"); }, "ab", 1},
        {"a paste whose only such character lies beyond the room",
         [this] { pasteByKeys(QString(18, u'c') + "\u6F22"); }, "ab" + QString(18, u'c'), 0},
        {"a twenty-first character, quietly", [this] { QTest::keyClicks(box.get(), QString(30, u'c')); },
         "ab" + QString(18, u'c'), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        box->setText(QStringLiteral("ab"));
        beeps = 0;
        balloon().hide();
        c.edit();
        EXPECT_EQ(box->text(), c.text);
        EXPECT_EQ(beeps, c.beeps);
        EXPECT_EQ(balloon().isVisible(), c.beeps > 0) << "a hint with each refusal, and only then";
    }
}

// Many desktops play no beep, so the refusal is said at the box too, in the words of the
// moment; the hint outlasts the release of the refused key (a tooltip would not) and goes with
// the box.
TEST_F(PasswordBoxTest, ARefusalIsSaidInAHintUnderTheBoxThatOutlastsTheKeyRelease) {
    QWidget dialog;
    dialog.setGeometry(300, 200, 240, 120);
    QLineEdit* shown = makePasswordBox("PwdEdit", {20, 30, 177, 21}, {[this] { ++beeps; }, [this] { return hintWords; }},
                                       &dialog);
    const BalloonHint& hint = *shown->findChild<BalloonHint*>();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    shown->setFocus();

    QTest::keyClicks(shown, QStringLiteral("a"));
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {  // as a keyboard sends it
        QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u0416"));
        QApplication::sendEvent(shown, &key);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(shown->text(), QStringLiteral("a"));
    EXPECT_EQ(beeps, 1);
    ASSERT_TRUE(hint.isVisible());
    EXPECT_TRUE(hint.isWindow());
    EXPECT_EQ(hint.text(), QStringLiteral("Not that one"));
    EXPECT_EQ(hint.pos(), shown->mapToGlobal(QPoint(0, shown->height())));
    EXPECT_GE(hint.contentsRect().width(), hint.fontMetrics().horizontalAdvance(hint.text()));

    hintWords = QStringLiteral("Pas celle-ci");  // a language chosen meanwhile
    QGuiApplication::clipboard()->setText(QStringLiteral("\u6F22"));
    QTest::keyClick(shown, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(hint.text(), QStringLiteral("Pas celle-ci"));

    dialog.hide();
    EXPECT_FALSE(hint.isVisible()) << "the hint goes with its dialog";
}

}  // namespace
}  // namespace velmora::test
