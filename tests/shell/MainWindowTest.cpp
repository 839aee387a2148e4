// The main window: its shape and place, the popup menu by state, the drum, the Options dialog.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "ControllerFixture.h"
#include "DialogDriving.h"
#include "shell/MainSkin.h"
#include "shell/MainWindow.h"
#include "dialogs/OptionsDialog.h"

namespace velmora::test {
namespace {

class MainWindowTest : public ControllerFixture {
protected:
    MainWindowTest() : window(*controller, desktop) {}
    void showWindow() {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QStringList visibleItems() const {
        QStringList names;
        for (QAction* action : window.popupMenu()->actions())
            if (action->isVisible() && !action->isSeparator()) names << action->objectName();
        return names;
    }
    MainWindow window;
};

TEST_F(MainWindowTest, IsABorderlessAlwaysOnTopWindowOfFixedSizeAndPlace) {
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.size(), QSize(223, 299));
    EXPECT_EQ(window.pos(), QPoint(232, 155));
}

TEST_F(MainWindowTest, TheMenuOffersTheCommandsOfEachState) {
    const QStringList always = {"Language_Menu", "Minimize_Menu", "Options_Menu", "Help_Menu", "About_Menu", "Exit_Menu"};
    EXPECT_EQ(visibleItems(), QStringList{"OpenFile_Menu"} + always);
    openCarrier("p.bmp");
    EXPECT_EQ(visibleItems(), (QStringList{"HideInfo_Menu", "ExtractInfo_Menu", "CloseFile_Menu"} + always));
    window.closeAction()->trigger();
    EXPECT_EQ(visibleItems(), QStringList{"OpenFile_Menu"} + always);

    const std::vector<std::pair<const QAction*, QString>> items = {
        {window.openAction(), "Open graphics\tCtrl+O"},   {window.hideAction(), "Hide information\tCtrl+H"},
        {window.extractAction(), "Extract information\tCtrl+E"}, {window.closeAction(), "Close graphics\tAlt+C"},
        {window.optionsAction(), "Options\tAlt+O"},        {window.helpAction(), "Help\tF1"},
        {window.exitAction(), "Exit\tAlt+X"},              {window.aboutAction(), "About\t"},
    };
    for (const auto& [item, shown] : items)
        EXPECT_EQ(item->text() + '\t' + item->shortcut().toString(), shown) << item->objectName().toStdString();
}

TEST_F(MainWindowTest, ShortcutsRunTheVisibleCommandsOnly) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    desktop.openAnswers = {picture("p.bmp")};
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(controller->loaded());
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);  // Open is hidden now
    EXPECT_EQ(desktop.openDialogs, 1);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(desktop.helpTopics, QStringList{"ID_01"});
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    EXPECT_FALSE(controller->loaded());
    window.close();
}

TEST_F(MainWindowTest, ClickingTheDrumOpensOnlyWhenEmpty) {
    showWindow();
    desktop.openAnswers = {picture("p.bmp")};
    const QPoint middle = MainSkin::kDrumArea.center();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(190, 110));  // beside the drum
    EXPECT_EQ(desktop.openDialogs, 0);
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, middle);
    EXPECT_EQ(desktop.openDialogs, 0);  // a press alone is no click
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, middle);
    EXPECT_TRUE(controller->loaded());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, middle);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, middle);
    EXPECT_EQ(desktop.openDialogs, 1);
    window.close();
}

TEST_F(MainWindowTest, OptionsShowTheCurrentPolicyAndOnlyOkChangesIt) {
    OptionsDialog& options = *window.optionsDialog();
    // Answers the modal dialog once it is up: checks what it shows, picks a choice, presses a button.
    auto answerWith = [&](OutputPolicy shown, OutputPolicy choice, QPushButton* button) {
        QTimer::singleShot(0, [this, &options, shown, choice, button] {
            expectPlacedOver(window, options);
            EXPECT_TRUE(options.choice(shown)->isChecked());
            options.choice(choice)->click();
            button->click();
        });
    };
    controller->setOutputPolicy(OutputPolicy::AskForName);
    answerWith(OutputPolicy::AskForName, OutputPolicy::OverSource, options.cancelButton());
    window.optionsCommand();
    EXPECT_EQ(controller->settings().outputPolicy, OutputPolicy::AskForName);

    answerWith(OutputPolicy::AskForName, OutputPolicy::OverSource, options.okButton());
    window.optionsCommand();
    EXPECT_EQ(controller->settings().outputPolicy, OutputPolicy::OverSource);
    EXPECT_FALSE(options.choice(OutputPolicy::NumberedName)->isChecked());
    EXPECT_EQ(options.windowTitle(), QStringLiteral("Options"));

    // Keyboard order: first, third, second choice.
    EXPECT_EQ(options.choice(OutputPolicy::OverSource)->nextInFocusChain(), options.choice(OutputPolicy::AskForName));
    EXPECT_EQ(options.choice(OutputPolicy::AskForName)->nextInFocusChain(), options.choice(OutputPolicy::NumberedName));
}

TEST_F(MainWindowTest, OptionsShowTheDefaultPolicyForAHandEditedOne) {
    OptionsDialog& options = *window.optionsDialog();
    controller->setOutputPolicy(static_cast<OutputPolicy>(7));
    bool defaultShown = false;
    QTimer::singleShot(0, [&] {
        defaultShown = options.choice(Settings{}.outputPolicy)->isChecked();
        options.cancelButton()->click();
    });
    window.optionsCommand();
    EXPECT_TRUE(defaultShown);
    EXPECT_EQ(controller->settings().outputPolicy, static_cast<OutputPolicy>(7)) << "Cancel keeps it";
}

}  // namespace
}  // namespace velmora::test
