// The open picture's file: only regular files open, and at once; a file rewritten in place is
// caught however carefully its size and time are restored; release() lets go of it.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/CarrierPicture.h"
#include "engine/EngineError.h"
#include "support/BmpBuilder.h"
#include "support/Expect.h"
#include "support/FileClock.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Descriptors of this process open on path.
int descriptorsOpenOn(const std::string& path) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (fs::read_symlink(entry.path(), ec) == fs::path(path)) ++count;
    }
    return count;
}

TEST(PictureFile, OnlyRegularFilesOpenAndNothingElseBlocks) {
    test::TempDir dir;
    ::mkfifo(dir.path("fifo.bmp").c_str(), 0666);  // nobody writes to it: opening it would wait
    ::mkfifo(dir.path("fifo.gif").c_str(), 0666);
    fs::create_symlink("/dev/zero", dir.path("zero.jpg"));
    fs::create_symlink("fifo.bmp", dir.path("link.ico"));
    fs::create_directory(dir.path("folder.bmp"));
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        dir.path("socket.wmf").copy(address.sun_path, sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"fifo.bmp", messages::kNotARegularFile}, {"fifo.gif", messages::kNotARegularFile},
        {"zero.jpg", messages::kNotARegularFile}, {"link.ico", messages::kNotARegularFile},
        {"socket.wmf", messages::kNotARegularFile}, {"folder.bmp", "Is a directory"},
        {"missing.bmp", "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CarrierPicture picture;
        try {
            picture.load(dir.path(c.name));
            ADD_FAILURE() << "opened";
        } catch (const EngineError& e) {
            EXPECT_EQ(std::string(e.what()), messages::cannotOpenFile(dir.path(c.name)));
            EXPECT_EQ(e.reason(), c.reason);
        }
    }
}

// Rewritten in place, as some editors save, with its size and modification time put back: the
// change time moved, and the bytes read before are no longer there.
TEST(PictureFile, ARewriteInPlaceIsCaughtEvenWithSizeAndTimeRestored) {
    test::TempDir dir;
    test::BmpRecipe recipe;
    recipe.width = 300;
    recipe.rows = 300;  // 270,000 bytes of rows: read in several pieces, as they are needed
    test::writeFile(dir.path("p.bmp"), test::buildBmp(recipe));
    test::waitUntilTheClockPasses(dir.path("p.bmp"));
    CarrierPicture picture;
    picture.load(dir.path("p.bmp"));
    const ColorValue bottomLeft = picture.readPixel(0, 299);  // the first stored rows are read now

    test::rewriteInPlaceKeepingSizeAndTime(dir.path("p.bmp"), 0x7F);
    EXPECT_EQ(picture.readPixel(0, 299), bottomLeft) << "what was read stays";
    try {
        picture.readPixel(0, 0);
        ADD_FAILURE() << "a row of the rewritten file was read";
    } catch (const FileChangedError& e) {
        EXPECT_EQ(std::string(e.what()), messages::kFileChanged);
    }
    EXPECT_THROW_MESSAGE(picture.save(dir.path("out.bmp")), FileChangedError, messages::kFileChanged);
    EXPECT_FALSE(fs::exists(dir.path("out.bmp")));
}

TEST(PictureFile, ReleaseLetsGoOfTheFile) {
    test::TempDir dir;
    test::writeFile(dir.path("p.bmp"), test::buildBmp(test::BmpRecipe{}));
    CarrierPicture picture;
    picture.load(dir.path("p.bmp"));
    EXPECT_EQ(descriptorsOpenOn(dir.path("p.bmp")), 1) << "rows are read from the file as needed";
    picture.release();
    EXPECT_EQ(descriptorsOpenOn(dir.path("p.bmp")), 0);
    EXPECT_EQ(picture.kind(), PictureKind::None);
    EXPECT_EQ(picture.width(), 0);
    EXPECT_THROW_MESSAGE(picture.readPixel(0, 0), EngineError, messages::kNotABitmap);
}

}  // namespace
}  // namespace velmora
