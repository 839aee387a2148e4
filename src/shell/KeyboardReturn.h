#pragma once

#include <QObject>

class QWidget;

namespace velmora {

// Gives the keyboard back when one of the program's dialogs or message boxes closes: to the
// dialog still open under it, or else to the main window. Without a window manager nobody
// else does, and the main window's shortcuts (Alt+X …) work only while it is the active window.
class KeyboardReturn : public QObject {
public:
    explicit KeyboardReturn(QWidget& mainWindow);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void giveBack();

    QWidget& mainWindow_;
};

}  // namespace velmora
