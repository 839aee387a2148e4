// Extracts through the main window, its controller and the extract dialog: a full hide and extract
// through both dialogs, a wrong password, and the window after an extract that fails.
#include "DialogFixture.h"

namespace velmora::test {
namespace {

class ExtractFlowTest : public DialogFixture {
protected:
    QStringList shownLines() const { return window.extractDialog()->textBox()->toPlainText().split(u'\n'); }
};

TEST_F(ExtractFlowTest, AHideAndItsExtractThroughTheDialogs) {
    controller->setOutputPolicy(OutputPolicy::OverSource);
    controller->rememberStepAndColor(5, 0);
    openCarrier("p.bmp", {.width = 300, .rows = 200});
    QString paragraph;
    for (int i = 0; i < 30; ++i) paragraph += QStringLiteral("long%1 ").arg(i);
    whileOpen([this] { window.hideCommand(); },
              [&] {
                  type(hide().passwordBox(), "pw");
                  type(hide().confirmBox(), "pw");
                  hide().textBox()->setPlainText("first\n\nsecond\n" + paragraph.trimmed());
                  press(hide().button("OKButton"));
              });
    const QStringList hiddenRows = {"first", "second"};  // the empty line does not come back
    controller->openPicture(folder("p.bmp"));
    desktop.messages.clear();
    whileOpen([this] { window.extractCommand(); },
              [&] {
                  expectPlacedOver(window, extract());
                  EXPECT_EQ(extract().button("OKButton")->text(), QStringLiteral("Go!"));
                  type(extract().passwordBox(), "pw");
                  QTest::keyClick(extract().passwordBox(), Qt::Key_Return);  // first phase by Enter
                  EXPECT_TRUE(extract().isVisible());
                  EXPECT_EQ(extract().button("OKButton")->text(), QStringLiteral("OK"));
                  const QStringList lines = shownLines();
                  EXPECT_EQ(lines.mid(0, 2), hiddenRows);
                  EXPECT_GT(lines.size(), 3);  // the paragraph came back as its rows
                  EXPECT_EQ(lines.mid(2).join(u' ').simplified(), paragraph.simplified());
                  EXPECT_EQ(extract().focusWidget(), extract().textBox());
                  // Saved as lines with CR LF; copied selection goes to the clipboard.
                  desktop.textSaveAnswers = {folder("out.txt")};
                  press(extract().button("OpentextButton"));
                  extract().textBox()->selectAll();
                  press(extract().button("PasteButton"));
                  press(extract().button("OKButton"));  // second phase
              });
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('|').toStdString();
    EXPECT_FALSE(controller->loaded());
    EXPECT_EQ(controller->settings().step, 5);
    const Bytes saved = readFile(folder("out.txt").toStdString());
    EXPECT_TRUE(std::string(saved.begin(), saved.end()).starts_with("first\r\nsecond\r\nlong0 "));
    EXPECT_TRUE(desktop.clipboard.startsWith(QStringLiteral("first\nsecond\n")));
    EXPECT_TRUE(drum.commands.join('|').endsWith(QStringLiteral("Loop 0|Animate 1|load 4.gif|load 1.gif")));
}

TEST_F(ExtractFlowTest, AWrongPasswordIsReportedAndCancelKeepsTheCarrier) {
    controller->setOutputPolicy(OutputPolicy::OverSource);
    openCarrier("p.bmp");
    controller->hideInfo("pw", {"x"});
    controller->openPicture(folder("p.bmp"));
    desktop.messages.clear();
    whileOpen([this] { window.extractCommand(); },
              [&] {
                  type(extract().passwordBox(), "nope");
                  press(extract().button("OKButton"));
                  EXPECT_EQ(desktop.messages.last(), QStringLiteral("The password is incorrect"));
                  EXPECT_EQ(extract().textBox()->toPlainText(), QString());
                  press(extract().button("CancelButton"));
              });
    EXPECT_TRUE(controller->loaded()) << "Cancel keeps the carrier for another try";
    EXPECT_EQ(desktop.messages.size(), 1);
}

TEST_F(ExtractFlowTest, AFailedExtractGivesTheWindowItsCommandsBack) {
    controller->setOutputPolicy(OutputPolicy::OverSource);
    openCarrier("p.bmp");
    controller->hideInfo("pw", {"x"});
    ASSERT_TRUE(QFile::copy(folder("p.bmp"), folder("carrier.bmp")));
    expectEachWayOutWorksAfter([&] {
        QFile::remove(folder("p.bmp"));
        ASSERT_TRUE(QFile::copy(folder("carrier.bmp"), folder("p.bmp")));
        controller->openPicture(folder("p.bmp"));
        QFile(folder("p.bmp")).resize(100);  // the picture's rows are gone before the extract reads them
        desktop.errors.clear();
        whileOpen([this] { window.extractCommand(); },
                  [&] {
                      type(extract().passwordBox(), "pw");
                      press(extract().button("OKButton"));
                      if (extract().isVisible()) press(extract().button("CancelButton"));
                  });
        // A picture cut short under the program has changed, and says so.
        EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('|').toStdString();
        EXPECT_EQ(desktop.messages.last(), QStringLiteral("The file was changed while it was open"));
    });
}

}  // namespace
}  // namespace velmora::test
