// velmora-cli knows a picture by its content, not its name: a BMP called .jpg or .dat is a BMP,
// a JPEG called .bmp a JPEG, and a file that is no picture says so.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"
#include "engine/EngineError.h"
#include "engine/OperationMessages.h"
#include "support/GifBuilder.h"
#include "support/JpegBuilder.h"

namespace velmora {
namespace {

const std::string kBitmapInfo =
    "kind: bitmap\nwidth: 32\nheight: 32\nbits per pixel: 24\nheader: information (40 bytes)\nrow order: bottom-up\n";

std::string notAPicture(const std::string& name) {
    return "velmora-cli: Not a picture: " + name + " is neither a BMP nor a JPEG, GIF, icon or metafile\n";
}

TEST_F(Cli, APictureIsKnownByItsContentWhateverItsName) {
    const test::Bytes bmp = test::buildBmp(test::BmpRecipe{});
    // A placeable metafile header: key, handle, a 96 x 48 box at 96 units per inch, reserved, checksum.
    const test::Bytes wmf = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 96, 0, 48, 0, 96, 0, 0, 0, 0, 0, 0, 0};
    const test::Bytes icon = {0, 0, 1, 0, 1, 0, 48, 40, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 22, 0, 0, 0};
    const test::Bytes gif = test::buildGif(test::GifRecipe{.signature = "gif89a", .width = 50, .height = 45});
    const struct {
        const char* name;
        test::Bytes content;
        std::string out;
        std::string err;
    } cases[] = {
        {"bmp.jpg", bmp, kBitmapInfo, ""},
        {"bmp.JPEG", bmp, kBitmapInfo, ""},
        {"bmp.dat", bmp, kBitmapInfo, ""},
        {"bmp-without-extension", bmp, kBitmapInfo, ""},
        {"bmp.png", bmp, kBitmapInfo, ""},
        {"jpeg.bmp", test::buildJpeg(40, 36), "kind: jpeg\nwidth: 40\nheight: 36\n", ""},
        {"gif.bmp", gif, "kind: gif\nwidth: 50\nheight: 45\n", ""},
        {"wmf.bmp", wmf, "kind: metafile\nwidth: 96\nheight: 48\n", ""},
        {"icon.bmp", icon, "kind: icon\nwidth: 48\nheight: 40\n", ""},
        // A file that announces a kind but is damaged gets that kind's own message.
        {"damaged-bmp.jpg", {'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, "",
         std::string("velmora-cli: ") + messages::kStreamReadError + "\n"},
        {"damaged-gif.bmp", {'G', 'I', 'F', '8', '8', 'a', 0, 0}, "", std::string("velmora-cli: ") + messages::kUnknownGifVersion + "\n"},
        {"text.bmp", {'h', 'e', 'l', 'l', 'o', '\n'}, "", notAPicture("text.bmp")},
        {"empty.bmp", {}, "", notAPicture("empty.bmp")},
        {"one-byte.bmp", {'B'}, "", notAPicture("one-byte.bmp")},
    };
    const std::string here = "cd " + quoted(dir.path("")) + " && ";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeFile(dir.path(c.name), c.content);
        const CliRun r = run({"info", c.name}, "", here);
        EXPECT_EQ(r.exitCode, c.err.empty() ? 0 : 1);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(Cli, ABmpWithAnyNameCarriesAMessage) {
    const std::string pw = dir.path("pw");
    test::writeFile(dir.path("holiday.jpg"), test::buildBmp(test::BmpRecipe{}));
    const CliRun hidden = run({"hide", dir.path("holiday.jpg"), "-o", dir.path("out.dat"), "--step", "3", "--password-file", pw}, "hi\n");
    EXPECT_EQ(hidden.exitCode, 0) << hidden.err;
    const CliRun got = run({"extract", dir.path("out.dat"), "--password-file", pw});
    EXPECT_EQ(got.exitCode, 0) << got.err;
    EXPECT_EQ(got.out, "hi\n");
    EXPECT_EQ(run({"capacity", dir.path("holiday.jpg"), "--step", "10"}).out, "98\n");
}

TEST_F(Cli, OnlyABmpCarries) {
    test::writeFile(dir.path("photo.bmp"), test::buildJpeg(40, 40));
    test::writeFile(dir.path("notes.bmp"), {'n', 'o', 't', 'e', 's'});
    const std::string pw = dir.path("pw"), notBitmap = std::string("velmora-cli: ") + messages::kNotABitmap + "\n";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"capacity", dir.path("photo.bmp"), "--step", "10"}, notBitmap},
        {{"extract", dir.path("photo.bmp"), "--password-file", pw}, std::string("velmora-cli: ") + messages::kPasswordIncorrect + "\n"},
        {{"hide", dir.path("photo.bmp"), "-o", dir.path("o.bmp"), "--step", "3", "--password-file", pw}, notBitmap},
        {{"capacity", dir.path("notes.bmp"), "--step", "10"}, notAPicture(dir.path("notes.bmp"))},
        {{"extract", dir.path("notes.bmp"), "--password-file", pw}, notAPicture(dir.path("notes.bmp"))},
        {{"hide", dir.path("notes.bmp"), "-o", dir.path("o.bmp"), "--step", "3", "--password-file", pw}, notAPicture(dir.path("notes.bmp"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun r = run(c.args, "hi\n");
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, c.err);
    }
}

}  // namespace
}  // namespace velmora
