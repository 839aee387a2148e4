// The hide dialog on a real X server: its title counts the room as the user types, and a text
// too large for the picture is refused with the dialog and everything in it kept.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "DesktopSession.h"

namespace velmora::desktop {
namespace {

const QPoint kHide{92, 60};

TEST(DesktopHideRoom, TheTitleCountsAsTheUserTypesAndATooLargeTextKeepsTheDialog) {
    QTemporaryDir pictures;
    RunningProgram program(openingPicture(pictures, 40, 40));  // at step 20: room for 76 bytes

    input::click(program.at(kHide));
    const auto dialog = program.awaitOtherWindow();
    ASSERT_TRUE(dialog.has_value()) << "no hide dialog";
    const auto titleIs = [&](const QString& title) {
        return waitUntil([&] { return program.x.title(*dialog).startsWith(title); }, 5000);
    };
    const auto titleEndsWith = [&](const QString& end) {
        return waitUntil([&] { return program.x.title(*dialog).contains(end); }, 5000);
    };
    EXPECT_TRUE(titleIs(QStringLiteral("Hide information \u2014 0 of 76 bytes")));
    input::key("p");
    input::key("w");
    EXPECT_TRUE(titleIs(QStringLiteral("Hide information \u2014 2 of 76 bytes")));
    input::key("Tab");
    input::key("p");
    input::key("w");
    input::key("Tab");
    for (int i = 0; i < 60; ++i) input::key("x");
    EXPECT_TRUE(titleIs(QStringLiteral("Hide information \u2014 63 of 76 bytes"))) << program.x.title(*dialog).toStdString();
    for (int i = 0; i < 20; ++i) input::key("x");
    EXPECT_TRUE(titleEndsWith(QStringLiteral(" of 76 bytes \u2014 too large"))) << program.x.title(*dialog).toStdString();

    input::key("ctrl+Return");  // Go! from the text box
    ASSERT_TRUE(waitUntil([&] { return program.otherWindows().size() == 2; })) << "no message";
    input::key("Return");  // its OK
    ASSERT_TRUE(waitUntil([&] { return program.otherWindows().size() == 1; }));
    EXPECT_EQ(program.otherWindows(), std::vector<WindowId>{*dialog}) << "the hide dialog stays open";
    EXPECT_TRUE(program.x.title(*dialog).contains(QStringLiteral("too large"))) << "the text is still there";

    input::key("Escape");
    EXPECT_TRUE(waitUntil([&] { return program.otherWindows().empty(); }));
}

}  // namespace
}  // namespace velmora::desktop
