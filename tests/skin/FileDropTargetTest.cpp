// The file drop target: every drag over the window is answered with the copy action, and a
// drop hands the local files, in the drag source's order and uncut, to the callback once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <vector>

#include "skin/FileDropTarget.h"
#include "skin/SkinPanel.h"

namespace velmora {
namespace {

class FileDropTargetTest : public ::testing::Test {
protected:
    FileDropTargetTest() : panel(new SkinPanel(&holder)) {
        holder.resize(200, 200);
        panel->setGeometry(41, 120, 111, 111);
        new FileDropTarget(panel, [this](const DragDropInfo& info) { drops.push_back(info); });
    }
    // Sends a drag of `data` entering the panel and dropped at `at`; answers the drop's action.
    Qt::DropAction dragAndDrop(const QMimeData& data, QPoint at) {
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(panel, &enter);
        EXPECT_TRUE(enter.isAccepted());
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(panel, &move);
        EXPECT_TRUE(move.isAccepted());
        EXPECT_EQ(move.dropAction(), Qt::CopyAction);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(panel, &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }

    QWidget holder;
    SkinPanel* panel;
    std::vector<DragDropInfo> drops;
};

TEST_F(FileDropTargetTest, ADropDeliversTheLocalFilesInTheSourcesOrder) {
    EXPECT_TRUE(panel->acceptDrops());
    const QString longName = QStringLiteral("/tmp/") + QString(300, u'n') + QStringLiteral(".bmp");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/pictures/c.bmp"), QUrl("https://example.org/x.bmp"),
                  QUrl::fromLocalFile("/pictures/a b.txt"), QUrl::fromLocalFile(longName),
                  QUrl::fromLocalFile("/pictures/b.BMP")});
    EXPECT_EQ(dragAndDrop(data, {30, 40}), Qt::CopyAction);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].fileNames, (QStringList{"/pictures/c.bmp", "/pictures/a b.txt", longName, "/pictures/b.BMP"}));
    EXPECT_EQ(drops[0].dropPoint, QPoint(30, 40));
    EXPECT_TRUE(drops[0].inClientArea);
}

TEST_F(FileDropTargetTest, DataWithoutFilesIsTakenAsACopyAndDeliversNothing) {
    QMimeData text;
    text.setText(QStringLiteral("/pictures/c.bmp"));
    EXPECT_EQ(dragAndDrop(text, {10, 10}), Qt::CopyAction);
    QMimeData web;
    web.setUrls({QUrl("https://example.org/x.bmp")});
    EXPECT_EQ(dragAndDrop(web, {10, 10}), Qt::CopyAction);
    EXPECT_TRUE(drops.empty());
}

}  // namespace
}  // namespace velmora
