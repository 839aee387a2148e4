#include "shell/KeyboardReturn.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace velmora {

KeyboardReturn::KeyboardReturn(QWidget& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
}

bool KeyboardReturn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        const auto* window = static_cast<QWidget*>(watched);
        // After the hide has run its course, so that a dialog closing its own box is seen whole.
        if (window->isWindow() && window->windowType() == Qt::Dialog)
            QTimer::singleShot(0, this, &KeyboardReturn::giveBack);
    }
    return false;
}

void KeyboardReturn::giveBack() {
    QWidget* next = QApplication::activeModalWidget();
    if (!next && mainWindow_.isVisible()) next = &mainWindow_;
    if (next && next->isVisible() && QApplication::activeWindow() != next) next->activateWindow();
}

}  // namespace velmora
