// The washing machine on a real X server: the window's shape as the server keeps it, dragging
// it by the skin, clicks beside it, its image buttons, and files dropped from another program.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QThread>

#include <algorithm>

#include "DesktopSession.h"
#include "skin/Look.h"
#include "skin/PictureOutline.h"
#include "support/BmpBuilder.h"
#include "support/BuildPaths.h"

namespace velmora::desktop {
namespace {

// Places on the main window: bare skin beside the drum, a transparent corner, the drum and the
// middle of each control.
const QPoint kBareSkin{200, 100};
const QPoint kCorner{1, 1};
const QPoint kDrum{96, 175};
const QPoint kProductName{22, 47};
const QPoint kMinimize{38, 64};
const QPoint kHide{92, 60};
const QPoint kExtract{135, 61};
const QPoint kExit{173, 61};

// The outline the skin picture gives, with its bottom-left colour outside.
std::vector<QRect> skinOutline() {
    const QImage skin = lookPicture(QStringLiteral("skin.bmp"));
    if (skin.isNull()) return {};
    return outlineRects(skin, skin.pixel(0, skin.height() - 1));
}

TEST(Desktop, TheWindowHasTheSkinsOutlineOnTheServer) {
    RunningProgram program;
    const std::vector<QRect> outline = skinOutline();
    ASSERT_EQ(outline.size(), 51u) << "the skin's outline: 51 rectangles";
    EXPECT_EQ(program.x.boundingShape(program.window()), outline);
    EXPECT_EQ(program.x.geometry(program.window()), QRect(232, 155, 223, 299));

    // xwininfo reads the same shape's extents.
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {"-shape", "-id", QString::number(program.window())});
    ASSERT_TRUE(xwininfo.waitForFinished());
    // The outline's bounds, (6, 4) to (217, 290).
    const QString extents = QStringLiteral("Window shape extents:  211x286+6+4");
    const QString report = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    EXPECT_TRUE(report.contains(extents)) << extents.toStdString() << " in:\n" << report.toStdString();
}

TEST(Desktop, DraggingTheSkinMovesTheWindowByThePointersTravel) {
    RunningProgram program;
    const QPoint start = program.x.geometry(program.window()).topLeft();

    // Within five pixels of the press: no frame, and the window stays.
    input::moveTo(program.at(kBareSkin));
    input::press();
    input::moveTo(program.at(kBareSkin) + QPoint(5, -5));
    EXPECT_TRUE(program.otherWindows().empty());
    input::release();

    // Further: the dotted frame follows the pointer, and the window goes there at the release.
    const QPoint travel(-57, 38);
    input::moveTo(program.at(kBareSkin));
    input::press();
    input::moveTo(program.at(kBareSkin) + QPoint(20, 10));
    input::moveTo(program.at(kBareSkin) + travel);
    const auto frame = program.awaitOtherWindow();
    ASSERT_TRUE(frame.has_value()) << "no drag frame";
    EXPECT_TRUE(waitUntil([&] { return program.x.geometry(*frame) == QRect(start + travel, QSize(223, 299)); }));
    EXPECT_EQ(program.x.geometry(program.window()).topLeft(), start) << "the window waits for the release";
    input::release();

    EXPECT_TRUE(waitUntil([&] { return program.x.geometry(program.window()).topLeft() != start; }));
    EXPECT_EQ(program.x.geometry(program.window()).topLeft(), start + travel);
    EXPECT_TRUE(waitUntil([&] { return program.otherWindows().empty(); })) << "the frame stays on the screen";
}

TEST(Desktop, ClicksOnATransparentCornerDoNotReachTheProgram) {
    RunningProgram program;
    const QPoint start = program.x.geometry(program.window()).topLeft();
    // A right-click there opens no menu, a drag from there moves nothing.
    input::click(program.at(kCorner), 3);
    input::press();
    input::moveTo(program.at(kCorner) + QPoint(40, 40));
    input::release();
    EXPECT_FALSE(program.awaitOtherWindow(1500).has_value());
    EXPECT_EQ(program.x.geometry(program.window()).topLeft(), start);

    // The same right-click on the skin opens the menu.
    input::click(program.at(kBareSkin), 3);
    EXPECT_TRUE(program.awaitOtherWindow().has_value()) << "no popup menu";
    input::key("Escape");
}

TEST(Desktop, HideAndExtractBeepWithoutAPictureAndExitEndsTheProgramWritingItsSettings) {
    RunningProgram program;
    for (const QPoint button : {kHide, kExtract}) {
        program.x.watch();
        input::click(program.at(button));
        EXPECT_TRUE(program.x.bellRang(5000)) << button.x();
        EXPECT_TRUE(program.otherWindows().empty());
    }
    input::click(program.at(kExit));
    EXPECT_EQ(program.awaitExit(), 0);
    QFile settings(program.folder(QStringLiteral("velmora.ini")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray written = settings.readAll();
    for (const char* line : {"[Main]", "k=2", "Step=20", "Minimized=0", "FirstOpen=0"})
        EXPECT_TRUE(written.contains(line)) << line << " in " << written.toStdString();
}

// Without a window manager nobody gives the keyboard back when a dialog closes: the program
// must, or the main window's shortcuts stop working.
TEST(Desktop, AfterADialogClosesTheMainWindowsShortcutsWork) {
    RunningProgram program;
    input::click(program.at(kBareSkin));
    input::key("alt+o");
    ASSERT_TRUE(program.awaitOtherWindow().has_value()) << "Alt+O opened no Options dialog";
    input::key("Escape");
    ASSERT_TRUE(waitUntil([&] { return program.otherWindows().empty(); }));
    input::key("alt+x");
    EXPECT_EQ(program.awaitExit(), 0) << "Alt+X did not end the program after the dialog closed";
}

TEST(Desktop, MinimizeTakesTheWindowOffTheScreen) {
    RunningProgram program;
    program.x.watch();
    input::click(program.at(kMinimize));
    EXPECT_TRUE(program.x.leftTheScreen(program.window(), 5000));
}

// The About box grows out of an outline drawn over the screen and shrinks back into one after
// Escape has closed it; then nothing of the program is left but its main window.
TEST(Desktop, TheProductNameOpensTheAboutBoxWithItsEffects) {
    RunningProgram program;
    // The server's title carries the program's name after the window's own.
    const auto isAbout = [&](WindowId w) { return program.x.title(w).startsWith(QStringLiteral("About")); };
    input::click(program.at(kProductName));
    bool outlineBefore = false;
    std::optional<WindowId> about;
    ASSERT_TRUE(waitUntil([&] {
        for (WindowId w : program.otherWindows()) {
            if (isAbout(w)) about = w;
            else if (!about) outlineBefore = true;
        }
        return about.has_value();
    }));
    EXPECT_TRUE(outlineBefore) << "no outline grew before the box appeared";
    EXPECT_EQ(program.x.geometry(*about).size(), QSize(307, 256));

    input::key("Escape");  // its buttons take no focus, so Return has nothing to press
    bool outlineAfter = false;
    EXPECT_TRUE(waitUntil([&] {
        const std::vector<WindowId> others = program.otherWindows();
        if (std::any_of(others.begin(), others.end(), isAbout)) return false;
        outlineAfter |= !others.empty();
        return outlineAfter && others.empty();
    })) << "the box did not go, or no outline shrank after it";
}

// Drags two files from another program onto the drum: the first, too small, gives its message;
// the second then opens and stays open, so Hide and Extract open their dialogs.
TEST(Desktop, FilesDraggedFromAnotherProgramOntoTheDrumOpenTheLastBmp) {
    RunningProgram program;
    const QString tooSmall = program.folder(QStringLiteral("narrow.bmp"));
    const QString picture = program.folder(QStringLiteral("picture.bmp"));
    test::writeFile(tooSmall.toStdString(), test::buildBmp({.width = 31, .rows = 200}));
    test::writeFile(picture.toStdString(), test::buildBmp({.width = 64, .rows = 64}));

    QProcess source;
    source.start(QString::fromStdString(test::besideTestProgram(VELMORA_DRAG_SOURCE)), {tooSmall, picture});
    ASSERT_TRUE(source.waitForStarted());
    std::optional<WindowId> sourceWindow;
    ASSERT_TRUE(waitUntil([&] {
        const auto windows = program.x.shownWindowsOf(source.processId());
        if (!windows.empty()) sourceWindow = windows.front();
        return sourceWindow.has_value();
    }));
    const QPoint from = program.x.geometry(*sourceWindow).center();
    input::moveTo(from);
    input::press();
    const QPoint to = program.at(kDrum);
    for (int step = 1; step <= 8; ++step) input::moveTo(from + (to - from) * step / 8);
    input::moveTo(to + QPoint(2, 2));
    QThread::msleep(300);  // the drum's answer reaches the source before the drop
    input::release();
    ASSERT_TRUE(source.waitForReadyRead(10000));
    EXPECT_EQ(source.readAllStandardOutput().trimmed(), QByteArray("copy"));

    const auto message = program.awaitOtherWindow();
    ASSERT_TRUE(message.has_value()) << "no message for the narrow picture";
    EXPECT_EQ(program.x.title(*message).toStdString(), "Velmora");
    input::key("Return");
    ASSERT_TRUE(waitUntil([&] { return program.otherWindows().empty(); }));

    const std::pair<QPoint, QString> dialogs[] = {{kHide, "Hide information"}, {kExtract, "Extract information"}};
    for (const auto& [button, title] : dialogs) {
        input::click(program.at(button));
        const auto dialog = program.awaitOtherWindow();
        ASSERT_TRUE(dialog.has_value()) << title.toStdString();
        // The server's title carries the program's name after the window's own.
        EXPECT_TRUE(program.x.title(*dialog).startsWith(title)) << program.x.title(*dialog).toStdString();
        input::key("Escape");
        ASSERT_TRUE(waitUntil([&] { return program.otherWindows().empty(); }));
    }
}

}  // namespace
}  // namespace velmora::desktop
