// The program under a window manager (openbox) on the virtual X server, at scale 1 and 2: the
// dialogs are framed with no empty band and offer neither resizing nor maximising, and every
// window lies wholly on the screen, frame included.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "DesktopSession.h"
#include "support/BmpBuilder.h"

namespace velmora::desktop {
namespace {

const QPoint kProductName{22, 47};
const QPoint kHide{92, 60};
const QPoint kExtract{135, 61};

// openbox on the test's X server for as long as it lives.
class WindowManager {
public:
    WindowManager() {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        XDisplay x;
        if (!process_.waitForStarted() || !waitUntil([&] { return x.hasWindowManager(); }))
            throw std::runtime_error("openbox did not come up");
    }
    ~WindowManager() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished();
    }
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

private:
    QProcess process_;
};

QRect outer(XDisplay& x, WindowId window) { return x.geometry(window).marginsAdded(x.frameExtents(window)); }

// The whole window, frame included, lies on the screen (the virtual screen has no panels).
void expectOnScreen(XDisplay& x, WindowId window, const char* what) {
    const QRect screen(QPoint(0, 0), x.screenSize());
    const QRect whole = outer(x, window);
    EXPECT_TRUE(screen.contains(whole)) << what << " at " << whole.x() << ", " << whole.y() << ", "
                                        << whole.width() << " x " << whole.height();
}

// A dialog framed by the window manager, its client area the size its controls need (no band),
// and neither resizing nor maximising on offer.
void expectFixedFramedDialog(RunningProgram& program, WindowId dialog, QSize client, const char* what) {
    SCOPED_TRACE(what);
    // The manager frames a window just after it maps it.
    ASSERT_TRUE(waitUntil([&] { return program.x.frameExtents(dialog).top() > 0; }, 5000)) << "not framed";
    EXPECT_EQ(program.x.geometry(dialog).size(), client);
    const QStringList actions = program.x.allowedActions(dialog);
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_MOVE"))) << actions.join(' ').toStdString();
    for (const char* refused : {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
        EXPECT_FALSE(actions.contains(QLatin1String(refused))) << refused;
    expectOnScreen(program.x, dialog, what);
}

// The program's first window that `is` picks once it is on the screen, framed by the window
// manager: a window effect's outline or a hint may come up beside it.
template <typename Is>
WindowId awaitFramedWindow(RunningProgram& program, Is is) {
    WindowId found = 0;
    waitUntil([&] {
        for (const WindowId shown : program.x.shownWindowsOf(program.pid()))
            if (is(shown) && program.x.frameExtents(shown).top() > 0) found = shown;
        return found != 0;
    });
    return found;
}

WindowId awaitWindowSized(RunningProgram& program, QSize client) {
    return awaitFramedWindow(program, [&](WindowId window) { return program.x.geometry(window).size() == client; });
}

WindowId awaitWindowTitled(RunningProgram& program, const QString& title) {
    return awaitFramedWindow(program, [&](WindowId window) { return program.x.title(window) == title; });
}

// Waits for the dialog of the given client size, checks it, closes it with Escape.
void checkDialog(RunningProgram& program, QSize client, const char* what) {
    const WindowId dialog = awaitWindowSized(program, client);
    ASSERT_NE(dialog, 0u) << "no " << what << " of " << client.width() << " x " << client.height();
    expectFixedFramedDialog(program, dialog, client, what);
    input::key("Escape");
    ASSERT_TRUE(waitUntil([&] { return program.otherWindows().empty(); })) << what << " did not close";
}

ProgramStart withPicture(const QTemporaryDir& pictures, QStringList wrapper = {}) {
    ProgramStart start = openingPicture(pictures, 40, 40);
    start.wrapper = std::move(wrapper);
    return start;
}

TEST(DesktopWindowManager, DialogsAreFramedWithoutABandAndOfferNeitherResizeNorMaximise) {
    const WindowManager openbox;
    QTemporaryDir pictures;
    RunningProgram program(withPicture(pictures));
    EXPECT_EQ(program.x.geometry(program.window()).topLeft(), QPoint(232, 155)) << "the main window's place holds";

    input::click(program.at(kHide));
    checkDialog(program, {409, 401}, "hide dialog");
    input::click(program.at(kExtract));
    checkDialog(program, {409, 401}, "extract dialog");
    input::key("alt+o");
    checkDialog(program, {313, 129}, "Options dialog");
    input::click(program.at(kProductName));
    checkDialog(program, {307, 256}, "About box");
}

// The first-run tips come up inside the main window's show step, so which of the two the server
// lists first varies: the tips are told by their size.
TEST(DesktopWindowManager, TheFirstRunTipsAreFramedWithoutABand) {
    const WindowManager openbox;
    ProgramStart start;
    start.plant = [](const QString& folder) {
        QFile settings(folder + QStringLiteral("/velmora.ini"));
        if (!settings.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write the settings file");
        settings.write("[Main]\r\nFirstOpen=1\r\nLang=&English\r\n");
    };
    RunningProgram program(start);
    const WindowId tips = awaitWindowSized(program, {433, 129});
    ASSERT_NE(tips, 0u) << "no tips";
    expectFixedFramedDialog(program, tips, {433, 129}, "first-run tips");
    input::key("Escape");
}

// At scale 2 a 1024 x 768 screen is 512 x 384 to the program: the main window's first place
// would run off the bottom, the hide dialog is taller than the screen.
TEST(DesktopWindowManager, AtScaleTwoEveryWindowLiesOnTheScreen) {
    const WindowManager openbox;
    QTemporaryDir pictures;
    RunningProgram program(withPicture(pictures, {QStringLiteral("env"), QStringLiteral("QT_SCALE_FACTOR=2")}));
    expectOnScreen(program.x, program.window(), "main window");
    EXPECT_EQ(program.x.geometry(program.window()).size(), QSize(446, 598));
    input::click(program.at(kHide * 2));
    const WindowId hide =
        awaitFramedWindow(program, [&](WindowId window) { return program.x.geometry(window).width() == 818; });
    ASSERT_NE(hide, 0u) << "no hide dialog";
    // The frame comes after the first placement; the dialog is placed again inside.
    EXPECT_TRUE(waitUntil([&] { return QRect(QPoint(0, 0), program.x.screenSize()).contains(outer(program.x, hide)); },
                          5000));
    expectOnScreen(program.x, hide, "hide dialog");

    input::click(program.x.geometry(hide).topLeft() + QPoint(100, 80));  // the password box, for the keyboard
    input::key("F1");  // the help viewer, over the hide dialog
    WindowId viewer = 0;
    ASSERT_TRUE(waitUntil([&] {
        for (const WindowId shown : program.x.shownWindowsOf(program.pid()))
            if (program.x.title(shown).startsWith(QStringLiteral("Velmora Help"))) viewer = shown;
        return viewer != 0;
    })) << "no help viewer";
    EXPECT_TRUE(waitUntil([&] { return QRect(QPoint(0, 0), program.x.screenSize()).contains(outer(program.x, viewer)); },
                          5000));
    expectOnScreen(program.x, viewer, "help viewer");

    input::key("Escape");  // the viewer, then the hide dialog
    input::key("Escape");
}

// A message naming a long path wraps it instead of growing past the screen's edge.
TEST(DesktopWindowManager, AtScaleTwoAMessageWithALongPathStaysOnTheScreen) {
    const WindowManager openbox;
    QTemporaryDir pictures;
    QString folder = pictures.path();
    for (int i = 0; i < 4; ++i) {
        folder += QStringLiteral("/a_rather_long_folder_name_for_pictures_") + QString::number(i);
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    const QString picture = folder + QStringLiteral("/not_a_picture_at_all_but_a_text_file.bmp");
    test::writeFile(picture.toStdString(), {'t', 'e', 'x', 't'});
    ProgramStart start;
    start.wrapper = {QStringLiteral("env"), QStringLiteral("QT_SCALE_FACTOR=2")};
    start.arguments = {picture};
    RunningProgram program(start);
    const WindowId box = awaitWindowTitled(program, QStringLiteral("Velmora"));
    ASSERT_NE(box, 0u) << "no message";
    QThread::msleep(300);  // the box settles once framed
    expectOnScreen(program.x, box, "message box");
    EXPECT_LT(program.x.geometry(box).width(), 1000) << "the path wraps";
}

}  // namespace
}  // namespace velmora::desktop
