// A small program that drags files, as a file manager would: started with the files' paths, it
// shows a window at (600, 400); dragging from it carries the files' URLs in the order given.
// When the drag ends it prints the action the target took ("copy", "move", "link" or
// "ignore"), and goes on running: the target fetches the files' names from it after the drop.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> files) : files_(std::move(files)) {
        setWindowTitle(QStringLiteral("Drag source"));
        setGeometry(600, 400, 120, 90);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { pressedAt_ = event->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton) ||
            (event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
            return;
        auto* drag = new QDrag(this);
        auto* files = new QMimeData;
        files->setUrls(files_);
        drag->setMimeData(files);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        const char* name = action == Qt::CopyAction ? "copy"
                           : action == Qt::MoveAction ? "move"
                           : action == Qt::LinkAction ? "link"
                                                      : "ignore";
        std::printf("%s\n", name);
        std::fflush(stdout);
    }

private:
    QList<QUrl> files_;
    QPoint pressedAt_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QList<QUrl> files;
    for (const QString& path : app.arguments().mid(1)) files << QUrl::fromLocalFile(path);
    DragSource source(files);
    source.show();
    return app.exec();
}
