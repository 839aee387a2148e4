#include <gtest/gtest.h>

#include "shell/PlatformChoice.h"

using namespace velmora;

TEST(PlatformChoiceTest, X11IsAskedForFirstOnlyInAWaylandSessionWithXWaylandAndNoChoice) {
    struct Case {
        PlatformEnvironment environment;
        QString expected;
    };
    const Case cases[] = {
        {{"", "wayland", "wayland-0", ":0"}, "xcb;wayland"},
        {{"", "", "wayland-0", ":1"}, "xcb;wayland"},       // no session type, a compositor's socket
        {{"", "wayland", "", ":0"}, "xcb;wayland"},         // session type alone
        {{"", "wayland", "wayland-0", ""}, ""},             // no XWayland: Qt's choice, Wayland
        {{"", "x11", "", ":0"}, ""},                        // plain X11 session
        {{"", "", "", ""}, ""},
        {{"wayland", "wayland", "wayland-0", ":0"}, "wayland"},  // the user's choice wins
        {{"offscreen", "wayland", "wayland-0", ":0"}, "offscreen"},
        {{"xcb", "", "", ":0"}, "xcb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platformToAsk(c.environment), c.expected)
            << c.environment.chosen.toStdString() << "|" << c.environment.sessionType.toStdString() << "|"
            << c.environment.waylandDisplay.toStdString() << "|" << c.environment.xDisplay.toStdString();
    }
}

TEST(PlatformChoiceTest, ThePlatformOptionIsTakenOutOfThePictures) {
    const StartArguments start = readStartArguments({"a.bmp", "-platform", "wayland", "b.bmp"});
    EXPECT_EQ(start.platform, "wayland");
    EXPECT_EQ(start.pictures, QStringList({"a.bmp", "b.bmp"}));

    // A trailing "-platform" with no name is a file name like any other.
    const StartArguments trailing = readStartArguments({"-platform"});
    EXPECT_TRUE(trailing.platform.isEmpty());
    EXPECT_EQ(trailing.pictures, QStringList({"-platform"}));
}
