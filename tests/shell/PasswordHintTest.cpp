// A letter that a password box refuses is said in a hint at the box, in the chosen pack's words
// or the built-in English ones, besides the beep that many desktops never play.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ProgramFixture.h"
#include "ShippedPacks.h"
#include "dialogs/ExtractDialog.h"
#include "dialogs/HideDialog.h"
#include "widgets/BalloonHint.h"

namespace velmora::test {
namespace {

class PasswordHintTest : public ProgramFixture {
protected:
    // Types a letter no 8-bit code page has into the box: refused, with a beep and the hint.
    void expectRefusalSaid(QLineEdit* box, const QString& words) {
        SCOPED_TRACE(box->objectName().toStdString());
        const int beepsBefore = desktop.beeps;
        QTest::keyClicks(box, QStringLiteral("x"));
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u6F22"));
            QApplication::sendEvent(box, &key);
        }
        EXPECT_EQ(box->text(), QStringLiteral("x"));
        EXPECT_EQ(desktop.beeps, beepsBefore + 1);
        const auto* hint = box->findChild<BalloonHint*>();
        ASSERT_NE(hint, nullptr);
        EXPECT_TRUE(hint->isVisible());
        EXPECT_EQ(hint->text(), words);
    }
};

TEST_F(PasswordHintTest, EachPasswordBoxSaysItInThePacksWordsOrTheBuiltInOnes) {
    copyShippedLanguageFolder(folder(""));
    const struct {
        const char* lang;
        QString words;
    } cases[] = {
        {"&Russian", QStringLiteral("Эту букву нельзя сохранить, она пропущена")},
        {"&English", QStringLiteral("This letter cannot be stored and was left out")},
        {"&None", QStringLiteral("This letter cannot be stored and was left out")},  // no such pack: built-in
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang);
        writeSettings(std::string("Lang=") + c.lang + "\n");
        controller = newController();
        startProgram();
        openCarrier("p.bmp");
        QTimer::singleShot(0, [&] {
            HideDialog& hide = *window->hideDialog();
            expectRefusalSaid(hide.passwordBox(), c.words);
            expectRefusalSaid(hide.confirmBox(), c.words);
            hide.button("CancelButton")->click();
        });
        window->hideCommand();
        QTimer::singleShot(0, [&] {
            ExtractDialog& extract = *window->extractDialog();
            expectRefusalSaid(extract.passwordBox(), c.words);
            extract.button("CancelButton")->click();
        });
        window->extractCommand();
        window.reset();
    }
}

}  // namespace
}  // namespace velmora::test
