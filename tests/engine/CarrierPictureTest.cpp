// Pixel access, picture kinds and the load and save failures of the carrier picture.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <filesystem>
#include <fstream>

#include <jerror.h>

#include "engine/CarrierPicture.h"
#include "engine/FileName.h"
#include "engine/EngineError.h"
#include "engine/SystemColors.h"
#include "support/BmpBuilder.h"
#include "support/Expect.h"
#include "support/JpegBuilder.h"

namespace velmora {
namespace {

using test::BmpRecipe;
using test::Bytes;

class CarrierPictureTest : public ::testing::Test {
protected:
    CarrierPicture load(const BmpRecipe& recipe, const std::string& name = "p.bmp") {
        test::writeFile(dir.path(name), test::buildBmp(recipe));
        CarrierPicture picture;
        picture.load(dir.path(name));
        return picture;
    }
    static BmpRecipe depth(std::uint16_t bits) {
        BmpRecipe s;
        s.bitsPerPixel = bits;
        return s;
    }
    test::TempDir dir;
};

TEST_F(CarrierPictureTest, TrueColourKeepsEveryValueAndClearsTheFourthByte) {
    for (std::uint16_t bits : {24, 32}) {
        CarrierPicture picture = load(depth(bits));
        for (ColorValue v : {0x000000, 0x000001, 0x00FF00, 0x123456, 0xABCDEF, 0xFFFFFF}) {
            picture.writePixel(5, 7, v);
            EXPECT_EQ(picture.readPixel(5, 7), v) << bits << " bits";
        }
        if (bits == 32) {
            picture.save(dir.path("out.bmp"));
            const Bytes saved = test::readFile(dir.path("out.bmp"));
            const std::size_t fileRow = 31 - 7;  // bottom-up
            EXPECT_EQ(saved[54 + fileRow * 32 * 4 + 5 * 4 + 3], 0);
        }
    }
}

TEST_F(CarrierPictureTest, SixteenBitsKeepTheTopBitsOfEachChannel) {
    CarrierPicture picture = load(depth(16));
    picture.writePixel(0, 0, 10);
    EXPECT_EQ(picture.readPixel(0, 0), 8);
    picture.writePixel(0, 0, 0xFFFFFF);
    EXPECT_EQ(picture.readPixel(0, 0), 0xF8F8F8);
}

TEST_F(CarrierPictureTest, ColourTablePixelsTakeTheNearestEntry) {
    BmpRecipe recipe = depth(8);
    recipe.colorTable = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};  // black, red, green, blue (0x00RRGGBB)
    CarrierPicture picture = load(recipe);
    picture.writePixel(3, 3, rgb(200, 30, 10));
    EXPECT_EQ(picture.readPixel(3, 3), rgb(255, 0, 0));
    picture.writePixel(3, 3, rgb(10, 20, 90));
    EXPECT_EQ(picture.readPixel(3, 3), rgb(0, 0, 0));
    picture.writePixel(3, 3, rgb(0, 10, 200));
    EXPECT_EQ(picture.readPixel(3, 3), rgb(0, 0, 255));
}

TEST_F(CarrierPictureTest, SpecialValuesAndPositions) {
    CarrierPicture picture = load(depth(24));
    EXPECT_EQ(picture.readPixel(-1, 0), static_cast<ColorValue>(0xFFFFFFFF));
    EXPECT_EQ(picture.readPixel(0, 32), static_cast<ColorValue>(0xFFFFFFFF));
    // System colour 5 (window) from the engine's own table.
    picture.writePixel(1, 1, static_cast<ColorValue>(0x80000005));
    EXPECT_EQ(picture.readPixel(1, 1), systemColor(5));
    EXPECT_EQ(systemColor(static_cast<ColorValue>(0x80000005)), 0xFFFFFF);
    // Above 0xFFFFFF only red, green and blue are taken.
    picture.writePixel(1, 1, 0x02123456);
    EXPECT_EQ(picture.readPixel(1, 1), 0x123456);
}

TEST_F(CarrierPictureTest, RowOrderDecidesWhichStoredPixelIsTheTopLeft) {
    for (bool topDown : {false, true}) {
        BmpRecipe recipe = depth(24);
        recipe.width = 33;
        recipe.topDown = topDown;
        CarrierPicture picture = load(recipe);
        picture.writePixel(0, 0, 0x0A0B0C);
        picture.save(dir.path("out.bmp"));
        const Bytes saved = test::readFile(dir.path("out.bmp"));
        const std::size_t stride = 100;  // 33 * 3 rounded up to 4
        const std::size_t at = 54 + (topDown ? 0 : 31 * stride);
        EXPECT_EQ((std::vector<std::uint8_t>(saved.begin() + at, saved.begin() + at + 3)),
                  (std::vector<std::uint8_t>{0x0A, 0x0B, 0x0C}))  // blue, green, red
            << (topDown ? "top-down" : "bottom-up");
    }
}

TEST_F(CarrierPictureTest, SavingUnderAnyExtensionWritesABitmap) {
    CarrierPicture picture = load(depth(24));
    picture.save(dir.path("copy.jpg"));
    const Bytes saved = test::readFile(dir.path("copy.jpg"));
    EXPECT_EQ(saved, test::buildBmp(depth(24)));
}

struct BadFile {
    const char* name;
    Bytes bytes;
    std::string message;
};

Bytes with(Bytes b, std::size_t at, std::initializer_list<std::uint8_t> values) {
    for (auto v : values) b[at++] = v;
    return b;
}

TEST_F(CarrierPictureTest, BadBitmapFilesEndInTheirMessage) {
    const Bytes good = test::buildBmp(BmpRecipe{});
    BmpRecipe huge;
    huge.width = 0x7FFFFFFF;
    huge.rows = 0x7FFFFFFF;
    huge.pixelData = Bytes(16, 0);
    BmpRecipe hugeRle = huge;
    hugeRle.bitsPerPixel = 8;
    hugeRle.compression = 1;
    BmpRecipe badMask;
    badMask.bitsPerPixel = 16;
    badMask.compression = 3;
    badMask.masks = ChannelMasks{0x7C00, 0x0505, 0x001F};
    BmpRecipe twoPlanes;
    twoPlanes.planes = 2;
    const std::string invalid = messages::kBitmapInvalid;
    const std::string shortRead = messages::kStreamReadError;
    const std::vector<BadFile> cases = {
        {"empty", {}, shortRead},
        {"not BM", with(good, 0, {'M', 'B'}), invalid},
        {"header cut", Bytes(good.begin(), good.begin() + 30), shortRead},
        {"pixels cut", Bytes(good.begin(), good.end() - 1), shortRead},
        {"two planes", test::buildBmp(twoPlanes), invalid},
        {"bit count 7", with(good, 28, {7}), invalid},
        {"header size 20", with(good, 14, {20}), invalid},
        {"width 0", with(good, 18, {0, 0, 0, 0}), invalid},
        {"height 0", with(good, 22, {0, 0, 0, 0}), invalid},
        {"JPEG compression", with(good, 30, {4}), invalid},
        {"RLE8 on 24 bits", with(good, 30, {1}), invalid},
        {"pixel offset inside headers", with(good, 10, {20, 0, 0, 0}), invalid},
        {"pixel offset past the end", with(good, 10, {0xFF, 0xFF, 0xFF, 0x7F}), shortRead},
        {"huge size, tiny file", test::buildBmp(huge), shortRead},
        {"huge RLE picture", test::buildBmp(hugeRle), invalid},
        {"split mask", test::buildBmp(badMask), invalid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeFile(dir.path("bad.bmp"), c.bytes);
        CarrierPicture picture;
        EXPECT_THROW_MESSAGE(picture.load(dir.path("bad.bmp")), EngineError, c.message);
        EXPECT_EQ(picture.kind(), PictureKind::None);
    }
}

TEST_F(CarrierPictureTest, AFailedLoadKeepsTheHeldPicture) {
    CarrierPicture picture = load(depth(24));
    picture.writePixel(2, 2, 0x445566);
    test::writeFile(dir.path("bad.bmp"), Bytes{'B', 'M'});
    EXPECT_THROW(picture.load(dir.path("bad.bmp")), EngineError);
    EXPECT_THROW(picture.load(dir.path("missing.bmp")), EngineError);
    EXPECT_THROW(picture.load(dir.path("x.png")), EngineError);
    EXPECT_EQ(picture.kind(), PictureKind::Bitmap);
    EXPECT_EQ(picture.readPixel(2, 2), 0x445566);
}

TEST_F(CarrierPictureTest, ExtensionAloneChoosesTheKind) {
    test::writeFile(dir.path("x.png"), test::buildBmp(BmpRecipe{}));
    test::writeFile(dir.path("x.jpg"), test::buildBmp(BmpRecipe{}));
    test::writeFile(dir.path("noext"), test::buildBmp(BmpRecipe{}));
    test::writeFile(dir.path("UPPER.BMP"), test::buildBmp(BmpRecipe{}));
    CarrierPicture picture;
    EXPECT_THROW_MESSAGE(picture.load(dir.path("x.png")), EngineError, "Unknown picture file extension (.png)");
    EXPECT_THROW_MESSAGE(picture.load(dir.path("noext")), EngineError, "Unknown picture file extension (.)");
    try {
        picture.load(dir.path("x.jpg"));
        ADD_FAILURE() << "a BMP named .jpg loaded";
    } catch (const EngineError& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("JPEG error #")) << e.what();
    }
    picture.load(dir.path("UPPER.BMP"));
    EXPECT_EQ(picture.kind(), PictureKind::Bitmap);
    EXPECT_EQ(extensionOf("/a.b/c"), "");
    EXPECT_EQ(extensionOf("/a/c.tar.BMP"), "BMP");
}

// "jpeg" names the JPEG kind as "jpg" does, in any letter case: a JPEG loads with its size,
// a bitmap under that name goes to the JPEG reader and fails there.
TEST_F(CarrierPictureTest, JpegHasTwoExtensions) {
    for (const char* name : {"x.jpg", "x.JPG", "x.jpeg", "x.JPEG", "x.Jpeg"}) {
        SCOPED_TRACE(name);
        test::writeFile(dir.path(name), test::buildJpeg(40, 33));
        CarrierPicture picture;
        picture.load(dir.path(name));
        EXPECT_EQ(picture.kind(), PictureKind::Jpeg);
        EXPECT_EQ(picture.width(), 40);
        EXPECT_EQ(picture.height(), 33);
    }
    test::writeFile(dir.path("bitmap.jpeg"), test::buildBmp(BmpRecipe{}));
    CarrierPicture picture;
    EXPECT_THROW_MESSAGE(picture.load(dir.path("bitmap.jpeg")), EngineError, messages::jpegError(JERR_NO_SOI));
}

TEST_F(CarrierPictureTest, PixelAccessNeedsABitmap) {
    // A GIF's logical screen is all a non-bitmap picture has.
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 40, 0, 50, 0, 0, 0, 0, ';'};
    test::writeFile(dir.path("anim.GIF"), gif);
    CarrierPicture picture;
    picture.load(dir.path("anim.GIF"));
    EXPECT_EQ(picture.kind(), PictureKind::Gif);
    EXPECT_EQ(picture.width(), 40);
    EXPECT_EQ(picture.height(), 50);
    EXPECT_THROW_MESSAGE(picture.readPixel(0, 0), EngineError, messages::kNotABitmap);
    EXPECT_THROW_MESSAGE(picture.writePixel(0, 0, 1), EngineError, messages::kNotABitmap);
    EXPECT_THROW_MESSAGE(picture.save(dir.path("x.bmp")), EngineError, messages::kNotABitmap);
}

TEST_F(CarrierPictureTest, ReleaseEmptiesTheHolder) {
    CarrierPicture picture = load(depth(24));
    picture.release();
    EXPECT_EQ(picture.kind(), PictureKind::None);
    EXPECT_EQ(picture.width(), 0);
    EXPECT_EQ(picture.height(), 0);
    EXPECT_EQ(picture.bitmap(), nullptr);
    EXPECT_THROW_MESSAGE(picture.readPixel(0, 0), EngineError, messages::kNotABitmap);
}

TEST_F(CarrierPictureTest, AFailedSaveLeavesTheOldFileAndNoLitter) {
    CarrierPicture picture = load(depth(24));
    const std::string missingFolder = dir.path("no/such/folder/out.bmp");
    EXPECT_THROW_MESSAGE(picture.save(missingFolder), EngineError, "Cannot create file " + missingFolder);

    // A write that fails half way (here: the file size limit) leaves the existing file byte
    // for byte and no temporary file behind.
    const Bytes before = {'o', 'l', 'd'};
    test::writeFile(dir.path("keep.bmp"), before);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW_MESSAGE(picture.save(dir.path("keep.bmp")), EngineError, "Cannot create file " + dir.path("keep.bmp"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(test::readFile(dir.path("keep.bmp")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("")), {}), 2);  // p.bmp and keep.bmp
}

TEST_F(CarrierPictureTest, SavingOverTheSourceKeepsItsPermissionsAndFollowsLinks) {
    // Set before loading: a change of permissions is a change of the file that was opened.
    test::writeFile(dir.path("mine.bmp"), test::buildBmp(depth(24)));
    ::chmod(dir.path("mine.bmp").c_str(), 0640);
    CarrierPicture picture;
    picture.load(dir.path("mine.bmp"));
    std::filesystem::create_symlink(dir.path("mine.bmp"), dir.path("link.bmp"));
    picture.writePixel(0, 0, 0x010203);
    picture.save(dir.path("link.bmp"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("link.bmp")));
    struct stat st {};
    ASSERT_EQ(::stat(dir.path("mine.bmp").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    CarrierPicture again;
    again.load(dir.path("mine.bmp"));
    EXPECT_EQ(again.readPixel(0, 0), 0x010203);
}

TEST_F(CarrierPictureTest, SaveCopiesUntouchedRowsAndWritesChangedOnes) {
    // 300 x 300 at 24 bits is 270,000 bytes: rows are read and copied in several pieces.
    BmpRecipe recipe = depth(24);
    recipe.width = 300;
    recipe.rows = 300;
    const Bytes original = test::buildBmp(recipe);
    CarrierPicture picture = load(recipe);
    picture.writePixel(10, 150, 0x112233);
    picture.writePixel(299, 0, 0x445566);
    picture.save(dir.path("out.bmp"));

    Bytes expected = original;
    const std::size_t stride = 900;
    auto put = [&](std::size_t x, std::size_t y, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
        const std::size_t at = 54 + (299 - y) * stride + x * 3;
        expected[at] = b;
        expected[at + 1] = g;
        expected[at + 2] = r;
    };
    put(10, 150, 0x11, 0x22, 0x33);
    put(299, 0, 0x44, 0x55, 0x66);
    EXPECT_EQ(test::readFile(dir.path("out.bmp")), expected);

    // Saving over the file the picture came from works the same way.
    picture.save(dir.path("p.bmp"));
    EXPECT_EQ(test::readFile(dir.path("p.bmp")), expected);
}

TEST_F(CarrierPictureTest, AFileChangedAfterLoadingIsNeverMixedIn) {
    BmpRecipe recipe = depth(24);
    recipe.width = 300;
    recipe.rows = 300;
    CarrierPicture picture = load(recipe);
    const ColorValue bottomLeft = picture.readPixel(0, 299);  // the first stored rows are read now

    BmpRecipe other = recipe;
    other.pixelData = Bytes(900 * 300, 0x7F);
    {
        // Rewritten in place, as some editors do: same file, new contents.
        std::ofstream rewrite(dir.path("p.bmp"), std::ios::binary | std::ios::in | std::ios::out);
        const Bytes bytes = test::buildBmp(other);
        rewrite.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // A clearly different modification time, however coarse the file system's clock.
    const timespec times[2] = {{946684800, 0}, {946684800, 0}};
    ::utimensat(AT_FDCWD, dir.path("p.bmp").c_str(), times, 0);
    EXPECT_EQ(picture.readPixel(0, 299), bottomLeft);  // what was read stays
    EXPECT_THROW_MESSAGE(picture.readPixel(0, 0), FileChangedError, messages::kFileChanged);
    EXPECT_THROW_MESSAGE(picture.save(dir.path("out.bmp")), FileChangedError, messages::kFileChanged);
    EXPECT_FALSE(std::filesystem::exists(dir.path("out.bmp")));
}

}  // namespace
}  // namespace velmora
