// velmora-cli as a user runs it: exit codes, messages, and carriers that round-trip.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "cli/CliFixture.h"
#include "engine/CarrierLayout.h"
#include "engine/CarrierPicture.h"
#include "engine/OperationMessages.h"
#include "support/BmpBuilder.h"

namespace velmora {
namespace {

TEST_F(Cli, HidesAndExtractsLines) {
    const CliRun hidden = hide("Meet at noon\r\n\r\nBring the map\n");
    EXPECT_EQ(hidden.exitCode, 0) << hidden.err;
    EXPECT_EQ(hidden.out, std::string(messages::kHiddenSuccessfully) + " " + dir.path("out.bmp") + "\n");
    const CliRun got = extract();
    EXPECT_EQ(got.exitCode, 0) << got.err;
    EXPECT_EQ(got.out, "Meet at noon\nBring the map\n");
    EXPECT_EQ(got.err, "");
}

TEST_F(Cli, StoresTextInTheLocalesCodePage) {
    const std::string ru = "LANG=ru_RU.UTF-8 LC_ALL=";
    ASSERT_EQ(hide("Привет\nномер №7\n", {}, ru).exitCode, 0);
    // The numero sign is the separator byte in windows-1251: the line comes back split.
    EXPECT_EQ(extract({}, ru).out, "Привет\nномер \n7\n");
    EXPECT_EQ(extract({"--raw"}, ru).out, "\xCF\xF0\xE8\xE2\xE5\xF2\xB9\xED\xEE\xEC\xE5\xF0 \xB9" "7\xB9");
}

TEST_F(Cli, RawStoresAndReturnsTheExactBytes) {
    const std::string bytes = std::string("no\xB9line\0end\r\n", 14);
    ASSERT_EQ(hide(bytes, {"--raw"}).exitCode, 0);
    EXPECT_EQ(extract({"--raw"}).out, bytes);
}

TEST_F(Cli, BaseColourTakesNumbersAndNames) {
    for (const char* colour : {"Teal", "teal", "0x808000", "$808000", "8421376"}) {
        SCOPED_TRACE(colour);
        ASSERT_EQ(hide("x", {"--base-color", colour}).exitCode, 0);
        CarrierPicture picture;
        picture.load(dir.path("out.bmp"));
        const SlotPosition slot1 = collectSlots(32, 32, 3)[1];
        EXPECT_EQ(picture.readPixel(slot1.x, slot1.y), 0x808000);
    }
}

TEST_F(Cli, FailuresGiveTheirMessageAndExitCode) {
    ASSERT_EQ(hide("hello").exitCode, 0);
    test::writeFile(dir.path("other"), {'S', 'e', 'c', 'r', 'e', 't'});
    test::writeFile(dir.path("small.bmp"), test::buildBmp(test::BmpRecipe{.width = 31, .rows = 200}));
    test::BmpRecipe grey;
    grey.bitsPerPixel = 8;
    test::writeFile(dir.path("grey.bmp"), test::buildBmp(grey));
    test::writeFile(dir.path("a.png"), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    const std::string pw = dir.path("pw");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string input;
        std::string err;
    };
    const std::vector<Case> cases = {
        {"wrong password", {"extract", dir.path("out.bmp"), "--password-file", dir.path("other")}, "",
         std::string("velmora-cli: ") + messages::kPasswordIncorrect + "\n"},
        {"no message", {"extract", dir.path("pic.bmp"), "--password-file", pw}, "",
         std::string("velmora-cli: ") + messages::kPasswordIncorrect + "\n"},
        {"too large", {"hide", dir.path("pic.bmp"), "-o", dir.path("o.bmp"), "--step", "10", "--password-file", pw}, std::string(93, 'x'),
         std::string("velmora-cli: ") + messages::kTextTooLarge + "\n"},
        {"too small", {"info", dir.path("small.bmp")}, "", ""},
        {"too small to carry", {"capacity", dir.path("small.bmp"), "--step", "2"}, "",
         "velmora-cli: Bitmap is too small " + dir.path("small.bmp") + "\n"},
        {"colour table", {"hide", dir.path("grey.bmp"), "-o", dir.path("o.bmp"), "--step", "3", "--password-file", pw}, "x",
         std::string("velmora-cli: ") + messages::kMessageNotPreserved + "\n"},
        {"missing picture", {"extract", dir.path("none.bmp"), "--password-file", pw}, "",
         "velmora-cli: Cannot open file " + dir.path("none.bmp") + "\nvelmora-cli: No such file or directory\n"},
        {"no kind this program reads", {"info", dir.path("a.png")}, "",
         "velmora-cli: Not a picture: " + dir.path("a.png") + " is neither a BMP nor a JPEG, GIF, icon or metafile\n"},
        {"output folder missing", {"hide", dir.path("pic.bmp"), "-o", dir.path("no/o.bmp"), "--step", "3", "--password-file", pw}, "x",
         "velmora-cli: Cannot create file " + dir.path("no/o.bmp") + "\nvelmora-cli: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = run(c.args, c.input);
        EXPECT_EQ(r.exitCode, c.err.empty() ? 0 : 1) << r.err;
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path("o.bmp")));
}

TEST_F(Cli, BadUsageExitsWithTwo) {
    test::writeFile(dir.path("long"), test::Bytes(21, 'a'));
    test::writeFile(dir.path("empty"), {'\n'});
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"paint"},
        {"hide", pic, "--step", "3", "--password-file", pw},                       // no -o
        {"hide", pic, "-o", "x.bmp", "--password-file", pw},                       // no step
        {"hide", pic, "-o", "x.bmp", "--step", "1", "--password-file", pw},
        {"hide", pic, "-o", "x.bmp", "--step", "501", "--password-file", pw},
        {"hide", pic, "-o", "x.bmp", "--step", "3x", "--password-file", pw},
        {"hide", pic, "-o", "x.bmp", "--step", "3", "--base-color", "Mauve", "--password-file", pw},
        {"hide", pic, "-o", "x.bmp", "--step", "3", "--password-file", dir.path("long")},
        {"extract", pic, "--password-file", dir.path("empty")},
        {"extract", pic, "--password-file", dir.path("none")},
        {"extract", pic},                                                          // no terminal to ask on
        {"extract", pic, "--password", "secret"},
        {"capacity", pic},
        {"info"},
        {"info", pic, pic},
    };
    for (const auto& args : cases) {
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << ::testing::PrintToString(args) << r.err;
        EXPECT_TRUE(r.err.starts_with("velmora-cli: ")) << r.err;
    }
    for (const char* command : {"hide", "extract", "capacity", "info"}) {
        const CliRun r = run({command, "--help"});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.starts_with(std::string("usage: velmora-cli ") + command)) << r.out;
    }
}

TEST_F(Cli, CapacityAndInfo) {
    EXPECT_EQ(run({"capacity", dir.path("pic.bmp"), "--step", "10"}).out, "98\n");
    EXPECT_EQ(run({"capacity", dir.path("pic.bmp"), "--step", "500"}).out, "0\n");
    test::BmpRecipe recipe;
    recipe.width = 40;
    recipe.rows = 35;
    recipe.topDown = true;
    recipe.bitsPerPixel = 8;
    test::writeFile(dir.path("td.bmp"), test::buildBmp(recipe));
    EXPECT_EQ(run({"info", dir.path("td.bmp")}).out,
              "kind: bitmap\nwidth: 40\nheight: 35\nbits per pixel: 8\nheader: information (40 bytes)\n"
              "row order: top-down\n");
}

}  // namespace
}  // namespace velmora
