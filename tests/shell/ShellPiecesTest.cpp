// Settings at start and close, the timed wait, the error box and the dialog placement.
#include <QApplication>
#include <QTimer>

#include <chrono>

#include "ControllerFixture.h"
#include "dialogs/DialogPlacement.h"
#include "settings/IniStore.h"
#include "shell/QtDesktop.h"

namespace velmora::test {
namespace {

using Settings = ControllerFixture;

TEST_F(Settings, AFirstRunStartsFromDefaultsAndWritesTheSevenLines) {
    controller->start();
    const velmora::Settings& s = controller->settings();
    const velmora::Settings defaults;
    EXPECT_EQ(s.outputPolicy, defaults.outputPolicy);
    EXPECT_EQ(s.step, defaults.step);
    EXPECT_EQ(s.baseColor, defaults.baseColor);
    EXPECT_EQ(s.minimized, defaults.minimized);
    EXPECT_EQ(s.firstOpen, defaults.firstOpen);
    EXPECT_EQ(s.lang, defaults.lang);
    EXPECT_EQ(drum.commands.join('|'), QStringLiteral("load 1.gif|Loop 1"));

    controller->setFirstOpen(false);  // the tips dialog closed with its box ticked
    controller->finish();
    const Bytes file = readFile(folder("velmora.ini").toStdString());
    EXPECT_EQ(std::string(file.begin(), file.end()), firstRunSettingsFile("0"));
}

TEST_F(Settings, ValuesComeBackAsWrittenAndHandEditsAreRead) {
    const std::string text = "; mine\n[MAIN]\nSTEP=0x1F\nBaseColor=$FFFFFFFF\nMinimized=2\nk=3\nLang=\"&English\"\n";
    writeFile(folder("velmora.ini"), Bytes(text.begin(), text.end()));
    controller->start();
    EXPECT_EQ(controller->settings().step, 31);
    EXPECT_EQ(controller->settings().baseColor, -1);
    EXPECT_TRUE(controller->settings().minimized);
    EXPECT_EQ(controller->settings().outputPolicy, OutputPolicy::AskForName);
    EXPECT_EQ(controller->settings().lang, QStringLiteral("&English"));
    controller->finish();
    const Bytes file = readFile(folder("velmora.ini").toStdString());
    EXPECT_EQ(std::string(file.begin(), file.end()),
              "; mine\n[MAIN]\nStep=31\nBaseColor=-1\nMinimized=1\nk=3\nLang=&English\nFirstOpen=1\n");
}

TEST_F(Settings, AnUnwritableFileIsReported) {
    QDir().mkpath(folder("velmora.ini"));  // a folder where the file should be
    controller->start();
    try {
        controller->finish();
        ADD_FAILURE() << "no error";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + folder("velmora.ini").toStdString());
    }
}

TEST(TimedWait, ProcessesEventsAtLeastOnceAndNeverReturnsEarly) {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    waitMs(0);
    EXPECT_TRUE(ran);
    ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    waitMs(-5);
    EXPECT_TRUE(ran);

    // A tick counter 300 ms before its wrap: the wait still lasts its 500 ms.
    const std::uint32_t offset = 0xFFFFFFFFu - 300 - tickCount();
    const auto began = std::chrono::steady_clock::now();
    waitMs(500, [offset] { return tickCount() + offset; });
    EXPECT_GE(std::chrono::steady_clock::now() - began, std::chrono::milliseconds(500));
}

TEST(ErrorBox, EndsASentenceWithADot) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"Cannot create file /tmp/x.bmp", "Cannot create file /tmp/x.bmp."},
        {"Stream read error", "Stream read error."},
        {"Done.", "Done."},
        {"Why?", "Why?."},  // "?" sorts above "."
        {"Stop!", "Stop!"},
        {"Ends in a comma,", "Ends in a comma,"},
        {"Cannot create file ", "Cannot create file "},
        {"", ""},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(errorBoxText(text), shown) << text.toStdString();
}

// In the tray no window is shown, so the box is the last window when it closes: that must not
// end the program.
TEST(ErrorBox, AMessageClosingWhileNoWindowIsShownLeavesTheProgramRunning) {
    for (const QWidget* window : QApplication::topLevelWidgets()) ASSERT_FALSE(window->isVisible());
    QtDesktop desktop;
    QTimer::singleShot(0, [&desktop] {
        QTimer::singleShot(50, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        desktop.showMessage(QStringLiteral("Can't open file x.bmp"));
        QTimer::singleShot(100, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(QCoreApplication::exec(), 7) << "the box's closing ended the program";
}

TEST(ErrorBox, AnErrorInAnEventHandlerIsShownAndTheProgramGoesOn) {
    RecordingDesktop desktop;
    {
        const RecordedErrorBox errorBox(desktop);
        QObject target;
        QTimer::singleShot(0, &target, [] { throw std::runtime_error("Stream read error"); });
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(desktop.errors, QStringList{"Stream read error."});
}

TEST(DialogPlacement, CentresOverTheMainWindowByOuterSizes) {
    EXPECT_EQ(placeOverMainWindow({232, 155}, {223, 299}, {319, 155}), QPoint(184, 83));
    EXPECT_EQ(placeOverMainWindow({100, 100}, {223, 299}, {415, 425}), QPoint(4, 37));
    EXPECT_EQ(placeOverMainWindow({0, 0}, {223, 299}, {222, 298}), QPoint(0, 0));  // -1 div 2 is 0, not -1
}

}  // namespace
}  // namespace velmora::test
