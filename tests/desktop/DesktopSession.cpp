#include "DesktopSession.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <stdexcept>
#include "support/BmpBuilder.h"
#include "support/BuildPaths.h"

namespace velmora::desktop {

bool waitUntil(const std::function<bool()>& condition, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms) return false;
        QThread::msleep(25);
    }
    return true;
}

namespace input {

namespace {

void xdotool(const QStringList& arguments) {
    if (QProcess::execute(QStringLiteral("xdotool"), arguments) != 0)
        throw std::runtime_error("xdotool " + arguments.join(' ').toStdString() + " failed");
    // Let the programs take the event in before the next one comes.
    QThread::msleep(60);
}

}  // namespace

// --sync waits until the pointer is there; xdotool then also waits when it already was, so
// callers move only to new places.
void moveTo(QPoint screen) {
    xdotool({"mousemove", "--sync", QString::number(screen.x()), QString::number(screen.y())});
}
void press() { xdotool({"mousedown", "1"}); }
void release() { xdotool({"mouseup", "1"}); }
void click(QPoint screen, int button) {
    moveTo(screen);
    xdotool({"click", QString::number(button)});
}
void key(const char* name) { xdotool({"key", QLatin1String(name)}); }

}  // namespace input

ProgramStart openingPicture(const QTemporaryDir& pictures, int width, int rows) {
    const QString picture = pictures.filePath(QStringLiteral("picture.bmp"));
    test::writeFile(picture.toStdString(), test::buildBmp({.width = width, .rows = rows}));
    ProgramStart start;
    start.arguments = {picture};
    return start;
}

RunningProgram::RunningProgram(const ProgramStart& start) {
    // The built program and everything beside it, but not a settings file of earlier runs.
    const QDir built = QFileInfo(QString::fromStdString(test::besideTestProgram(VELMORA_PROGRAM))).dir();
    QDirIterator files(built.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = built.relativeFilePath(source);
        if (relative == QStringLiteral("velmora.ini")) continue;
        QDir(dir_.path()).mkpath(QFileInfo(relative).path());
        QFile::copy(source, dir_.filePath(relative));
    }
    QFile settings(folder(QStringLiteral("velmora.ini")));
    if (!settings.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write the settings file");
    settings.write("[Main]\r\nFirstOpen=0\r\nLang=&English\r\n");
    settings.close();
    if (start.plant) start.plant(dir_.path());

    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    if (start.wrapper.isEmpty()) {
        process_.start(folder(QStringLiteral("velmora")), start.arguments);
    } else {
        process_.start(start.wrapper.front(), start.wrapper.mid(1) + QStringList{folder(QStringLiteral("velmora"))} + start.arguments);
    }
    if (!process_.waitForStarted()) throw std::runtime_error("velmora did not start");
    // The main window is the first the server lists: a message box or the first-run tips,
    // which a start may bring too, come after it.
    const bool shown = waitUntil([this] {
        const auto windows = x.shownWindowsOf(pid());
        if (!windows.empty()) window_ = windows.front();
        return !windows.empty();
    });
    if (!shown) throw std::runtime_error("velmora's window did not come up");
}

RunningProgram::~RunningProgram() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

QPoint RunningProgram::at(QPoint inWindow) { return x.geometry(window_).topLeft() + inWindow; }

std::vector<WindowId> RunningProgram::otherWindows() {
    std::vector<WindowId> others;
    for (const WindowId shown : x.shownWindowsOf(pid()))
        if (shown != window_) others.push_back(shown);
    return others;
}

std::optional<WindowId> RunningProgram::awaitOtherWindow(int ms) {
    std::optional<WindowId> found;
    waitUntil(
        [&] {
            const auto others = otherWindows();
            if (others.size() == 1) found = others.front();
            return found.has_value();
        },
        ms);
    return found;
}

std::optional<int> RunningProgram::awaitExit(int ms) {
    if (!process_.waitForFinished(ms)) return std::nullopt;
    return process_.exitCode();
}

}  // namespace velmora::desktop
