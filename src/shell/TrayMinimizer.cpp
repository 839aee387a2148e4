#include "shell/TrayMinimizer.h"

#include <QWidget>

#include "shell/Desktop.h"
#include "shell/MainController.h"
#include "shell/TrayIcon.h"

namespace velmora {

TrayMinimizer::TrayMinimizer(QWidget& window, TrayIcon& tray, MainController& controller, Desktop& desktop,
                             QObject* parent)
    : QObject(parent), window_(window), tray_(tray), controller_(controller), desktop_(desktop) {
    beginMinimizeTimer_.setSingleShot(true);
    connect(&beginMinimizeTimer_, &QTimer::timeout, this, &TrayMinimizer::startInTray);
    beginMinimizeTimer_.start(kStartDelayMs);
    trayCheck_.setInterval(kTrayCheckMs);
    connect(&trayCheck_, &QTimer::timeout, this, &TrayMinimizer::checkTrayStillThere);
}

// Hiding the window takes it off the screen and out of the taskbar at once; it keeps its place
// for the way back.
void TrayMinimizer::minimizeToTray() {
    if (!desktop_.hasSystemTray()) {  // the program is not in a tray, whatever it was before
        window_.showMinimized();
        controller_.setMinimized(false);
        return;
    }
    tray_.setVisible(true);
    window_.hide();
    controller_.setMinimized(true);
    trayCheck_.start();
}

void TrayMinimizer::restoreFromTray() {
    trayCheck_.stop();
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    window_.show();
    window_.raise();
    window_.activateWindow();
    tray_.setVisible(false);
    controller_.setMinimized(false);
}

void TrayMinimizer::toggle() {
    if (controller_.settings().minimized) restoreFromTray();
    else minimizeToTray();
}

// Without a tray the start stays on the screen: a program that starts minimised where no taskbar
// shows it (many Wayland desktops) would seem never to have started.
void TrayMinimizer::startInTray() {
    beginMinimizeTimer_.stop();
    if (!controller_.settings().minimized) return;
    if (desktop_.hasSystemTray()) minimizeToTray();
    else controller_.setMinimized(false);
}

void TrayMinimizer::stayOnScreen() {
    beginMinimizeTimer_.stop();
    if (controller_.settings().minimized) restoreFromTray();
}

// Without this a tray that quits would leave the program running with no window and no icon.
void TrayMinimizer::checkTrayStillThere() {
    if (!desktop_.hasSystemTray()) restoreFromTray();
}

}  // namespace velmora
