// "-" names standard input or output wherever velmora-cli takes a file: pictures flow through
// pipes, one standard input never feeds two readers, and standard output carries only data.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliFixture.h"
#include "engine/CarrierLayout.h"
#include "engine/CarrierPicture.h"
#include "engine/OperationMessages.h"
#include "support/JpegBuilder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string usageError(const std::string& message) { return "velmora-cli: " + message + "\nTry 'velmora-cli --help'.\n"; }

std::string asText(const test::Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST_F(Cli, APictureHiddenToStandardOutputExtractsFromStandardInput) {
    test::writeFile(dir.path("text"), {'M', 'e', 'e', 't', '\n', 'a', 't', ' ', 'n', 'o', 'o', 'n', '\n'});
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw");
    const std::vector<std::string> hideArgs = {"hide", pic, "--step", "3", "--password-file", pw, "--text-file", dir.path("text")};
    std::vector<std::string> toFile = hideArgs, toStdout = hideArgs;
    toFile.insert(toFile.end(), {"-o", dir.path("file.bmp")});
    toStdout.insert(toStdout.end(), {"-o", "-"});
    ASSERT_EQ(run(toFile).exitCode, 0);

    const CliRun piped = run(toStdout);
    EXPECT_EQ(piped.exitCode, 0) << piped.err;
    // Only the picture on standard output, byte for byte the file a named output gets; the note
    // for people on standard error.
    EXPECT_EQ(piped.out, asText(test::readFile(dir.path("file.bmp"))));
    EXPECT_EQ(piped.err, std::string(messages::kHiddenSuccessfully) + " written to standard output\n");
    EXPECT_EQ(run({"-q", "hide", "-o", "-", pic, "--step=3", "--password-file", pw, "--text-file", dir.path("text")}).err, "");

    for (const std::vector<std::string>& args : {std::vector<std::string>{"extract", "-", "--password-file", pw},
                                                 {"extract", "--password-file=" + pw, "-"}}) {
        const CliRun got = run(args, piped.out);
        EXPECT_EQ(got.exitCode, 0) << got.err;
        EXPECT_EQ(got.out, "Meet\nat noon\n");
        EXPECT_EQ(got.err, "");
    }
    EXPECT_EQ(run({"capacity", "-", "--step", "10"}, piped.out).out, "98\n");
    EXPECT_EQ(run({"info", "-"}, piped.out).out,
              "kind: bitmap\nwidth: 32\nheight: 32\nbits per pixel: 24\nheader: information (40 bytes)\nrow order: bottom-up\n");
}

TEST_F(Cli, ThePictureTextAndPasswordMayEachComeFromStandardInput) {
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw"), out = dir.path("out.bmp");
    test::writeFile(dir.path("text"), {'h', 'i', '\n'});
    const std::string picture = asText(test::readFile(pic));
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string input;
    } cases[] = {
        {"picture", {"hide", "-", "-o", out, "--step", "3", "--password-file", pw, "--text-file", dir.path("text")}, picture},
        {"text named -", {"hide", pic, "-o", out, "--step", "3", "--password-file", pw, "--text-file", "-"}, "hi\n"},
        {"password", {"hide", pic, "-o", out, "--step", "3", "--password-file", "-", "--text-file", dir.path("text")},
         "secret\nnot the password\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(out);
        const CliRun r = run(c.args, c.input);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(extract().out, "hi\n");
    }
    const CliRun password = run({"extract", out, "--password-file", "-"}, "secret\r\n");
    EXPECT_EQ(password.exitCode, 0) << password.err;
    EXPECT_EQ(password.out, "hi\n");
}

TEST_F(Cli, OneStandardInputFeedsOneReaderOnly) {
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw"), out = dir.path("out.bmp");
    const std::string twice = usageError(
        "standard input can carry only one of the picture, the text (hide reads it from there unless --text-file is "
        "given) and the password");
    const std::vector<std::vector<std::string>> cases = {
        {"extract", "-", "--password-file", "-"},
        {"hide", "-", "-o", out, "--step", "3", "--password-file", pw},  // the text comes from standard input too
        {"hide", "-", "-o", out, "--step", "3", "--password-file", pw, "--text-file", "-"},
        {"hide", pic, "-o", out, "--step", "3", "--password-file", "-"},
        {"hide", pic, "-o", out, "--step", "3", "--password-file", "-", "--text-file", "-"},
        {"hide", "-", "-o", out, "--step", "3", "--password-file", "-", "--text-file", pw},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CliRun r = run(args, "secret\nhello\n");
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err, twice);
    }
    EXPECT_EQ(run({"info", "-", "-"}).err, usageError("unexpected argument '-'"));
    EXPECT_FALSE(fs::exists(out));
}

// What velmora-cli writes to standard output is a failure when it does not arrive: the picture
// cannot be replaced atomically there, so a failed write must not look like success.
TEST_F(Cli, AHideToAStandardOutputThatFailsIsAFailure) {
    const std::vector<std::string> args = {"hide", dir.path("pic.bmp"), "-o", "-", "--step", "3", "--password-file", dir.path("pw")};
    for (const auto& [redirect, reason] : {std::pair{">/dev/full", "No space left on device"}, {">&-", "Bad file descriptor"}}) {
        SCOPED_TRACE(redirect);
        const CliRun r = run(args, "hello\n", "", redirect);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, "velmora-cli: Cannot write to standard output\nvelmora-cli: " + std::string(reason) + "\n");
    }
    // A hide that fails before writing leaves standard output empty.
    const CliRun tooLarge = run({"hide", dir.path("pic.bmp"), "-o", "-", "--step", "10", "--password-file", dir.path("pw")},
                                std::string(93, 'x'));
    EXPECT_EQ(tooLarge.exitCode, 1);
    EXPECT_EQ(tooLarge.out, "");
    EXPECT_EQ(tooLarge.err, std::string("velmora-cli: ") + messages::kTextTooLarge + "\n");
}

// A picture on standard input is read only as far as a picture of its kind can be long, and
// input that is no picture is refused from its first bytes.
TEST_F(Cli, StandardInputIsReadNoFurtherThanAPictureCouldBe) {
    const auto failure = [](const std::string& message, const std::string& reason = "") {
        return "velmora-cli: " + message + "\n" + (reason.empty() ? "" : "velmora-cli: " + reason + "\n");
    };
    std::string longJpeg = asText(test::buildJpeg(40, 40));
    longJpeg.resize((std::size_t{64} << 20) + 1, '\0');  // past the 64 MiB that headers-only kinds may take
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string input;
        int exitCode;
        std::string out;
        std::string err;
    } cases[] = {
        {"nothing", {"info", "-"}, "", 1, "", failure("Not a picture: standard input is neither a BMP nor a JPEG, GIF, icon or metafile")},
        {"text", {"info", "-"}, "hello\n", 1, "", failure("Not a picture: standard input is neither a BMP nor a JPEG, GIF, icon or metafile")},
        {"a JPEG", {"info", "-"}, asText(test::buildJpeg(40, 36)), 0, "kind: jpeg\nwidth: 40\nheight: 36\n", ""},
        {"a JPEG past 64 MiB", {"info", "-"}, longJpeg, 1, "",
         failure("Cannot read standard input", "It is longer than any picture of its kind")},
        {"a BMP cut short", {"capacity", "-", "--step", "2"}, asText(test::readFile(dir.path("pic.bmp"))).substr(0, 100), 1, "",
         failure(messages::kStreamReadError)},
        {"a small BMP", {"capacity", "-", "--step", "2"}, asText(test::buildBmp(test::BmpRecipe{.width = 31})), 1, "",
         failure(std::string(messages::kBitmapTooSmall) + "standard input")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = run(c.args, c.input);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

}  // namespace
}  // namespace velmora
