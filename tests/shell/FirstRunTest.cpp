// The first-run tips at the end of the show step, and what the settings file keeps of them.
#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "DialogDriving.h"
#include "ProgramFixture.h"
#include "dialogs/FirstOpenDialog.h"
#include "skin/SkinLabel.h"

namespace velmora::test {
namespace {

class FirstRunTest : public ProgramFixture {
protected:
    // The tips run for real, modally; the actions act inside once they are up.
    void whileTipsOpen(std::function<void(FirstOpenDialog&)> actions) {
        desktop.onDialog = [actions](QDialog& dialog) {
            int result = 0;
            whileOpen([&] { result = dialog.exec(); }, [&] { actions(dynamic_cast<FirstOpenDialog&>(dialog)); });
            return result;
        };
    }
    std::string settingsText() const {
        const Bytes file = readFile(folder("velmora.ini").toStdString());
        return {file.begin(), file.end()};
    }
};

TEST_F(FirstRunTest, TheTipsShowAtTheEndOfTheShowStepAndStayOnTheScreenCentre) {
    bool ran = false;
    whileTipsOpen([&](FirstOpenDialog& tips) {
        ran = true;
        EXPECT_TRUE(tips.isVisible());
        EXPECT_TRUE(tips.isModal());
        EXPECT_EQ(tips.windowTitle(), QStringLiteral("Velmora"));
        EXPECT_TRUE(tips.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(tips.size(), QSize(433, 129));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize outer = tips.frameGeometry().size();  // with the frame the desktop adds
        EXPECT_EQ(tips.pos(), screen.topLeft() + QPoint((screen.width() - outer.width()) / 2,
                                                        (screen.height() - outer.height()) / 2));
        EXPECT_FALSE(tips.checkBox()->isChecked());
        EXPECT_EQ(tips.findChild<SkinLabel*>("SkinLabel1")->caption(),
                  QStringLiteral("Make right-click on program's window to show menu"));
        EXPECT_EQ(tips.findChild<SkinLabel*>("SkinLabel2")->caption(),
                  QStringLiteral("To begin work just drag and drop graphic file into washing machine"));
        EXPECT_EQ(tips.checkBox()->text(), QStringLiteral("Never show this again"));
        EXPECT_EQ(tips.button("OKButton")->text(), QStringLiteral("OK"));
        EXPECT_TRUE(controller->settings().firstOpen) << "the settings were read before";
        tips.button("OKButton")->click();
    });
    startProgram();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(window->firstOpenDialog()->isVisible());
}

TEST_F(FirstRunTest, OnlyOkWithTheBoxTickedTurnsTheTipsOff) {
    struct Case {
        const char* what;
        bool tick;
        bool byTitleBar;
        const char* firstOpenWritten;
    };
    const std::vector<Case> cases = {
        {"ticked, OK", true, false, "0"},
        {"unticked, OK", false, false, "1"},
        {"ticked, closed by the title bar", true, true, "1"},
    };
    for (const Case& c : cases) {
        QFile::remove(folder("velmora.ini"));
        desktop.dialogs.clear();
        whileTipsOpen([&](FirstOpenDialog& tips) {
            if (c.tick) tips.checkBox()->click();
            if (c.byTitleBar) tips.close();
            else tips.button("OKButton")->click();
        });
        window.reset();
        controller = newController();
        startProgram();
        desktop.onDialog = nullptr;
        restartProgram();  // Exit, and the next start
        EXPECT_EQ(settingsText(), firstRunSettingsFile(c.firstOpenWritten)) << c.what;
        const QStringList shownAgain = c.firstOpenWritten == std::string("1") ? QStringList{"FirstOpenForm"} : QStringList();
        EXPECT_EQ(desktop.dialogs, QStringList{"FirstOpenForm"} + shownAgain) << c.what;
    }
}

TEST_F(FirstRunTest, HelpOpensTheFirstTopicAndTheTipsStayOpen) {
    whileTipsOpen([&](FirstOpenDialog& tips) {
        tips.button("HelpButton")->click();
        EXPECT_EQ(desktop.helpTopics, QStringList{"ID_01"});
        EXPECT_TRUE(tips.isVisible());
        tips.button("OKButton")->click();
    });
    startProgram();
}

TEST_F(FirstRunTest, NoTipsWhileTheSettingSaysNo) {
    writeSettings("FirstOpen=0\n");
    startProgram();
    EXPECT_EQ(desktop.dialogs, QStringList());
}

}  // namespace
}  // namespace velmora::test
