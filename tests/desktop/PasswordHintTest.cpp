// A letter a password box refuses, typed on a real X server: the bell rings, and since many
// desktops play no bell, a hint window stands under the box; it outlasts the key's release and
// goes after its time.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QThread>

#include "DesktopSession.h"

namespace velmora::desktop {
namespace {

const QPoint kHide{92, 60};
// The hide dialog's first password box, which has the focus when it opens.
const QRect kPasswordBox{24, 32, 177, 21};

TEST(DesktopPasswordHint, ARefusedLetterRingsTheBellAndShowsAHintUnderTheBox) {
    QTemporaryDir pictures;
    RunningProgram program(openingPicture(pictures, 64, 64));

    input::click(program.at(kHide));
    const auto dialog = program.awaitOtherWindow();
    ASSERT_TRUE(dialog.has_value()) << "no hide dialog";
    ASSERT_TRUE(program.x.title(*dialog).startsWith(QStringLiteral("Hide information")));
    const QPoint under = program.x.geometry(*dialog).topLeft() + kPasswordBox.bottomLeft() + QPoint(0, 1);

    program.x.watch();
    input::key("U6F22");  // a letter no 8-bit code page has, pressed and released
    EXPECT_TRUE(program.x.bellRang(5000));
    std::optional<WindowId> hint;
    const auto findHint = [&] {
        hint.reset();
        for (WindowId w : program.otherWindows())
            if (w != *dialog && program.x.geometry(w).topLeft() == under) hint = w;
        return hint.has_value();
    };
    ASSERT_TRUE(waitUntil(findHint, 5000)) << "no hint under the password box";
    EXPECT_GT(program.x.geometry(*hint).width(), 50) << "a hint with words in it";

    QThread::msleep(1500);
    EXPECT_TRUE(findHint()) << "the hint went with the key's release";
    EXPECT_TRUE(waitUntil([&] { return !findHint(); }, 10000)) << "the hint stays";

    input::key("Escape");
    EXPECT_TRUE(waitUntil([&] { return program.otherWindows().empty(); }));
}

}  // namespace
}  // namespace velmora::desktop
