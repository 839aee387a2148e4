// The real desktop's help: the viewer opens at the topic, over the modal dialog that asked for
// it when there is one, and a missing help file only shows up on the viewer's page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "dialogs/HelpViewer.h"
#include "shell/QtDesktop.h"
#include "support/BmpBuilder.h"
#include "support/BuildPaths.h"

namespace velmora::test {
namespace {

const QString kHelpFile = QString::fromStdString(test::besideTestProgram(VELMORA_ASSETS_DIR "/help_eng.hlp"));

TEST(QtDesktopHelp, TheViewerStandsOverTheMainWindowOrTheModalDialogThatAsked) {
    QWidget mainWindow;
    QtDesktop desktop;
    desktop.setParentWindow(&mainWindow);
    desktop.setHelpFile(kHelpFile);

    desktop.openHelp(QStringLiteral("ID_01"));
    auto* viewer = mainWindow.findChild<HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->isWindow());

    QDialog dialog(&mainWindow);
    QTimer::singleShot(0, [&] {
        ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
        desktop.openHelp(QStringLiteral("ID_02"));
        EXPECT_EQ(viewer->parentWidget(), &dialog) << "a modal dialog must not block its own help";
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(mainWindow.findChildren<HelpViewer*>().size(), 1) << "one viewer, reused";
}

TEST(QtDesktopHelp, AMissingHelpFileIsSaidInTheViewerAndNothingElseHappens) {
    TempDir dir;
    QWidget mainWindow;
    QtDesktop desktop;
    desktop.setParentWindow(&mainWindow);
    desktop.setHelpFile(QString::fromStdString(dir.path("help_eng.hlp")));
    desktop.openHelp(QStringLiteral("ID_01"));
    auto* viewer = mainWindow.findChild<HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->toPlainText().endsWith(QStringLiteral("cannot be opened.")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace velmora::test
