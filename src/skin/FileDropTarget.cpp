#include "skin/FileDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace velmora {

FileDropTarget::FileDropTarget(QWidget* window, Callback callback)
    : QObject(window), window_(window), callback_(std::move(callback)) {
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: break;
    default: return false;
    }
    auto* drag = static_cast<QDropEvent*>(event);
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (event->type() != QEvent::Drop) return true;

    DragDropInfo info;
    info.dropPoint = drag->position().toPoint();
    info.inClientArea = window_->rect().contains(info.dropPoint);
    for (const QUrl& url : drag->mimeData()->urls())
        if (url.isLocalFile()) info.fileNames << url.toLocalFile();
    if (!info.fileNames.isEmpty() && callback_) callback_(info);
    return true;
}

}  // namespace velmora
