#pragma once

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <optional>

#include "XDisplay.h"

namespace velmora::desktop {

// Polls until the condition holds, for at most `ms`.
bool waitUntil(const std::function<bool()>& condition, int ms = 10000);

// The pointer and the keyboard of the X server, driven by xdotool as a user would.
namespace input {
void moveTo(QPoint screen);
void press();
void release();
void click(QPoint screen, int button = 1);
void key(const char* name);
}  // namespace input

// What a test changes about a start: the files beside the program (called with the program
// folder, once it is filled), a command that starts the program (such as prlimit and its
// options; it must exec the program, keeping its process id), and the program's arguments.
struct ProgramStart {
    std::function<void(const QString& folder)> plant;
    QStringList wrapper;
    QStringList arguments;
};

// A start that opens a picture of the given size, written into `pictures`.
ProgramStart openingPicture(const QTemporaryDir& pictures, int width, int rows);

// Velmora started from a program folder of its own (a copy of the built program with its
// files and a settings file that skips the first-run tips), with its main window on the screen;
// the arguments name pictures to open at start.
class RunningProgram {
public:
    explicit RunningProgram(const ProgramStart& start = {});
    ~RunningProgram();

    long long pid() const { return process_.processId(); }
    WindowId window() const { return window_; }
    // A point of the main window, on the screen.
    QPoint at(QPoint inWindow);
    // The program's other windows on the screen (menus, dialogs, message boxes, drag frames).
    std::vector<WindowId> otherWindows();
    // Waits for one other window to come up and returns it.
    std::optional<WindowId> awaitOtherWindow(int ms = 10000);
    QString folder(const QString& name) const { return dir_.filePath(name); }
    // Waits for the program to end; its exit code, or nothing when it did not end.
    std::optional<int> awaitExit(int ms = 10000);

    XDisplay x;

private:
    QTemporaryDir dir_;
    QProcess process_;
    WindowId window_ = 0;
};

}  // namespace velmora::desktop
