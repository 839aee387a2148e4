#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace velmora {

class Desktop;
class MainController;
class TrayIcon;

// The way into the tray and back. In the tray the window is off the screen and out of the
// taskbar, the tray icon is shown and the controller's Minimized setting is on; on the screen
// it is the other way round. About 10 ms after the event loop starts, a program that was closed
// in the tray goes back there. On a desktop without a tray, minimising hands the window to the
// window manager (the taskbar) instead, so it can always be brought back; and when the tray goes
// away while the program sits in it, the window comes back to the screen.
class TrayMinimizer : public QObject {
    Q_OBJECT

public:
    TrayMinimizer(QWidget& window, TrayIcon& tray, MainController& controller, Desktop& desktop,
                  QObject* parent = nullptr);

    void minimizeToTray();
    void restoreFromTray();
    // The menu item that does both: back from the tray when there, else into it.
    void toggle();
    // The start timer's one expiry: into the tray when the program was closed there.
    void startInTray();
    // This run keeps the window on the screen (a file to show was named at start).
    void stayOnScreen();

    static constexpr int kStartDelayMs = 10;
    static constexpr int kTrayCheckMs = 1000;

private:
    void checkTrayStillThere();

    QWidget& window_;
    TrayIcon& tray_;
    MainController& controller_;
    Desktop& desktop_;
    QTimer beginMinimizeTimer_;
    QTimer trayCheck_;
};

}  // namespace velmora
