// The help viewer: the shipped help file's topics, the scroll to a topic, what it says when
// the file or the topic is missing, and Escape.
#include <gtest/gtest.h>

#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <sys/stat.h>

#include <filesystem>

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

TEST_F(HelpViewerTest, AFileThatCannotBeAHelpFileIsSaidOnTheViewersOwnPage) {
    test::TempDir dir;
    const QString missing = QString::fromStdString(dir.path("help_eng.hlp"));
    const QString fifo = QString::fromStdString(dir.path("fifo.hlp"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);  // opening it must not wait for a writer
    const QString huge = QString::fromStdString(dir.path("huge.hlp"));
    test::writeFile(huge.toStdString(), {'<', 'p', '>'});
    ASSERT_TRUE(QFile::resize(huge, qint64(1) << 30));  // sparse: no gigabyte is written or read
    for (const QString& file : {missing, QString::fromStdString(dir.path("")), fifo, huge}) {
        viewer.showTopic(file, QStringLiteral("ID_01"));
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_EQ(viewer.toPlainText(), "The help file " + file + " cannot be opened.");
    }
}

TEST_F(HelpViewerTest, AMissingTopicIsSaidOnALineOfItsOwnBeforeTheContents) {
    viewer.showTopic(kHelpFile, QStringLiteral("ID_01"));
    const QString firstLine = viewer.document()->firstBlock().text();

    viewer.showTopic(kHelpFile, QStringLiteral("ID_09"));
    const QTextBlock notice = viewer.document()->firstBlock();
    EXPECT_EQ(notice.text(), QStringLiteral("The help file has no topic \"ID_09\"; its contents follow."));
    EXPECT_EQ(notice.next().text(), firstLine);
    EXPECT_TRUE(viewer.toPlainText().contains(QStringLiteral("Hiding a message")));
}

// The help file may make the viewer read nothing else: an <img> or a style sheet of /dev/zero
// used to read until memory ran out.
TEST_F(HelpViewerTest, TheViewerReadsNothingTheHelpFileNames) {
    test::TempDir dir;
    const std::string page = "<p><a name=\"ID_01\">Topic</a><img src=\"/dev/zero\"><img src=\"file:///dev/zero\">"
                             "<link rel=\"stylesheet\" href=\"/dev/zero\"></p>";
    const QString withPictures = QString::fromStdString(dir.path("pictures.hlp"));
    test::writeFile(withPictures.toStdString(), test::Bytes(page.begin(), page.end()));
    viewer.showTopic(withPictures, QStringLiteral("ID_01"));
    EXPECT_TRUE(viewer.toPlainText().startsWith(QStringLiteral("Topic")));
}

TEST_F(HelpViewerTest, EscapeClosesTheViewer) {
    viewer.showTopic(kHelpFile, QStringLiteral("ID_02"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    viewer.activateWindow();
    QTest::keyClick(&viewer, Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
    viewer.showTopic(kHelpFile, QStringLiteral("ID_03"));
    EXPECT_TRUE(viewer.isVisible()) << "and the next help opens it again";
}

}  // namespace
}  // namespace velmora
