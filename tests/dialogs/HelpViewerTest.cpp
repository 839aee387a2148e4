// The help viewer: the shipped help file's topics, the scroll to a topic, and what it says when
// the file or the topic is missing.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "dialogs/HelpViewer.h"
#include "support/BmpBuilder.h"
#include "support/BuildPaths.h"

namespace velmora {
namespace {

const QString kHelpFile = QString::fromStdString(test::besideTestProgram(VELMORA_ASSETS_DIR "/help_eng.hlp"));

class HelpViewerTest : public ::testing::Test {
protected:
    int scrollAt(const QString& topic) {
        viewer.showTopic(kHelpFile, topic);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&viewer));
        QCoreApplication::processEvents();
        return viewer.verticalScrollBar()->value();
    }
    HelpViewer viewer;
};

TEST_F(HelpViewerTest, TheHelpFileHasTheThreeTopicsInOrder) {
    viewer.showTopic(kHelpFile, QStringLiteral("ID_01"));
    for (const char* topic : {"ID_01", "ID_02", "ID_03"}) EXPECT_TRUE(HelpViewer::hasAnchor(*viewer.document(), topic)) << topic;
    EXPECT_FALSE(HelpViewer::hasAnchor(*viewer.document(), QStringLiteral("ID_04")));
    EXPECT_TRUE(viewer.toPlainText().contains(QStringLiteral("How much text fits")));

    const int first = scrollAt(QStringLiteral("ID_01"));
    const int second = scrollAt(QStringLiteral("ID_02"));
    const int third = scrollAt(QStringLiteral("ID_03"));
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    EXPECT_EQ(scrollAt(QStringLiteral("ID_01")), first) << "the file is read afresh each time";
}

TEST_F(HelpViewerTest, ALinkInsideTheFileMovesToItsTopic) {
    const int third = scrollAt(QStringLiteral("ID_03"));
    const QString contents = viewer.toPlainText();
    scrollAt(QStringLiteral("ID_01"));
    viewer.setSource(QUrl(QStringLiteral("#ID_03")));  // what a click on such a link does
    QCoreApplication::processEvents();
    EXPECT_EQ(viewer.toPlainText(), contents);
    EXPECT_EQ(viewer.verticalScrollBar()->value(), third);
}

TEST_F(HelpViewerTest, AMissingFileOrTopicIsSaidOnTheViewersOwnPage) {
    test::TempDir dir;
    const QString missing = QString::fromStdString(dir.path("help_eng.hlp"));
    viewer.showTopic(missing, QStringLiteral("ID_01"));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.toPlainText(), "The help file " + missing + " cannot be opened.");

    viewer.showTopic(kHelpFile, QStringLiteral("ID_09"));
    EXPECT_TRUE(viewer.toPlainText().startsWith(QStringLiteral("The help file has no topic \"ID_09\"; its contents follow.")));
    EXPECT_TRUE(viewer.toPlainText().contains(QStringLiteral("Hiding a message")));
}

}  // namespace
}  // namespace velmora
