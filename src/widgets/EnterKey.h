#pragma once

#include <QKeyEvent>

namespace velmora {

// Either Enter key: the main keyboard's Return or the keypad's Enter.
inline bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// A key press of either Enter key.
inline bool isEnterPress(const QEvent* event) {
    return event->type() == QEvent::KeyPress && isEnterKey(static_cast<const QKeyEvent*>(event)->key());
}

}  // namespace velmora
