#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>

class QWidget;

namespace velmora {

// What one drop of files delivers.
struct DragDropInfo {
    bool inClientArea = false;  // the drop point lies inside the target window
    QPoint dropPoint;           // in the target window's coordinates
    QStringList fileNames;      // full local paths, in the drag source's order
};

// Makes one window accept files dragged from the desktop, a file manager or another program:
// every drag over it is answered with the copy action, and a drop that carries local files
// hands them, in the source's order, to the callback. A drop without files delivers nothing.
// Lives as long as the window, as its child.
class FileDropTarget : public QObject {
public:
    using Callback = std::function<void(const DragDropInfo&)>;

    FileDropTarget(QWidget* window, Callback callback);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Callback callback_;
};

}  // namespace velmora
