// What velmora-cli reads and writes besides pictures: nothing blocks, nothing floods, a failed
// output is a failure, and "Cannot create file" and "Cannot open file" say why.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "cli/CliFixture.h"
#include "engine/OperationMessages.h"
#include "support/Unprivileged.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// A command that would block fails the test with timeout's 124 instead of stalling the run.
const std::string kPatient = "timeout 20 ";

std::string failure(const std::string& message, const std::string& reason) {
    return "velmora-cli: " + message + "\nvelmora-cli: " + reason + "\n";
}

TEST_F(Cli, APictureThatIsNoRegularFileIsRefusedAtOnce) {
    ::mkfifo(dir.path("fifo.bmp").c_str(), 0666);  // no writer: opening it for reading would wait
    ::mkfifo(dir.path("fifo.gif").c_str(), 0666);
    fs::create_symlink("/dev/zero", dir.path("zero.bmp"));
    fs::create_symlink("/dev/tty", dir.path("tty.jpg"));
    fs::create_directory(dir.path("folder.bmp"));
    const std::string pw = dir.path("pw");
    for (const auto& [name, reason] : {std::pair{"fifo.bmp", "Not a regular file"}, {"fifo.gif", "Not a regular file"},
                                       {"zero.bmp", "Not a regular file"}, {"tty.jpg", "Not a regular file"},
                                       {"folder.bmp", "Is a directory"}}) {
        const std::string picture = dir.path(name);
        for (const std::vector<std::string>& args : {std::vector<std::string>{"info", picture},
                                                     {"capacity", picture, "--step", "2"},
                                                     {"extract", picture, "--password-file", pw},
                                                     {"hide", picture, "-o", dir.path("o.bmp"), "--step", "2", "--password-file", pw}}) {
            SCOPED_TRACE(args[0] + " " + name);
            const CliRun r = run(args, "x", kPatient);
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_EQ(r.err, failure(messages::cannotOpenFile(picture), reason));
        }
    }
}

// The largest message any picture holds is 31,995 bytes of text (32,000 slots, less four and a
// one-byte password); input is read to that, plus one byte, and no further.
TEST_F(Cli, InputsAreReadNoFurtherThanAPictureCouldUse) {
    test::BmpRecipe big;
    big.width = 256;
    big.rows = 256;  // 32,768 slots at step 2, of which 32,000 count
    test::writeFile(dir.path("big.bmp"), test::buildBmp(big));
    ::mkfifo(dir.path("endless").c_str(), 0666);
    const std::string largestRaw(31995, 'r');
    std::string largestText;  // 31,994 euro signs of three bytes each and a separator: 31,995 stored bytes
    for (int i = 0; i < 31994; ++i) largestText += "€";
    const auto hideBig = [&](const std::vector<std::string>& extra, const std::string& input, const std::string& env) {
        std::vector<std::string> args = {"hide", dir.path("big.bmp"), "-o", dir.path("out.bmp"), "--step", "2",
                                         "--password-file", dir.path("pw")};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args, input, env + " LANG=en_US.UTF-8 LC_ALL= " + kPatient);
    };
    const std::string tooLarge = std::string("velmora-cli: ") + messages::kTextTooLarge + "\n";
    const std::string pw = dir.path("pw");
    const struct {
        const char* name;
        std::string password;
        std::vector<std::string> extra;
        std::string input;
        std::string env;  // runs before velmora-cli, such as a writer that never stops
        int exitCode;
        std::string err;
    } cases[] = {
        {"text file /dev/zero", "p\n", {"--text-file", "/dev/zero"}, "", "", 1, tooLarge},
        {"raw text file /dev/zero", "p\n", {"--text-file", "/dev/zero", "--raw"}, "", "", 1, tooLarge},
        {"a FIFO that never ends", "p\n", {"--text-file", dir.path("endless")}, "",
         "yes >" + quoted(dir.path("endless")) + " 2>/dev/null &", 1, tooLarge},
        {"password file /dev/zero", "", {"--password-file", "/dev/zero"}, "x", "", 2,
         "velmora-cli: the password is longer than 20 bytes\nTry 'velmora-cli --help'.\n"},
        {"password from a FIFO that never ends: its first line", "", {"--password-file", dir.path("endless")}, "x",
         "yes secret >" + quoted(dir.path("endless")) + " 2>/dev/null &", 0, ""},
        {"the largest raw text", "p\n", {"--raw"}, largestRaw, "", 0, ""},
        {"one byte more", "p\n", {"--raw"}, largestRaw + "r", "", 1, tooLarge},
        {"the largest text in three-byte characters", "p\n", {}, largestText + "\n", "", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.password.empty()) test::writeFile(pw, test::Bytes(c.password.begin(), c.password.end()));
        const CliRun r = hideBig(c.extra, c.input, c.env);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_EQ(r.err, c.err);
    }
    test::writeFile(pw, {'p', '\n'});
    ASSERT_EQ(hideBig({}, largestText + "\n", "").exitCode, 0);
    EXPECT_EQ(run({"extract", dir.path("out.bmp"), "--password-file", pw}, "", "LANG=en_US.UTF-8 LC_ALL=").out,
              largestText + "\n");
}

TEST_F(Cli, AFullOrClosedStandardOutputFailsEveryCommand) {
    ASSERT_EQ(hide("hello\n").exitCode, 0);
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw");
    for (const auto& [redirect, reason] : {std::pair{">/dev/full", "No space left on device"}, {">&-", "Bad file descriptor"}}) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"--help"}, {"info", pic}, {"capacity", pic, "--step", "2"},
              {"extract", dir.path("out.bmp"), "--password-file", pw},
              {"hide", pic, "-o", dir.path("again.bmp"), "--step", "3", "--password-file", pw}}) {
            SCOPED_TRACE(args[0] + " " + redirect);
            const CliRun r = run(args, "hello\n", "", redirect);
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_EQ(r.err, failure("Cannot write to standard output", reason));
        }
    }
}

TEST_F(Cli, CannotCreateAndCannotOpenSayWhyOnASecondLine) {
    test::giveToUnprivilegedUser(dir.path(""));
    const test::UserIds me = test::unprivilegedUser();
    test::writeFile(dir.path("readonly.bmp"), {'o', 'l', 'd'});
    ASSERT_EQ(::chown(dir.path("readonly.bmp").c_str(), me.uid, me.gid), 0);
    ::chmod(dir.path("readonly.bmp").c_str(), 0444);
    test::writeFile(dir.path("secret.bmp"), test::buildBmp(test::BmpRecipe{}));
    ASSERT_EQ(::chown(dir.path("secret.bmp").c_str(), me.uid, me.gid), 0);
    ::chmod(dir.path("secret.bmp").c_str(), 0);
    fs::create_directory(dir.path("folder"));
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw");
    const auto hideTo = [&](const std::string& output) {
        return std::vector<std::string>{"hide", pic, "-o", output, "--step", "3", "--password-file", pw};
    };
    const std::string longName = dir.path(std::string(300, 'n') + ".bmp");
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string env;
        std::string message;
        std::string reason;
    } cases[] = {
        {"output folder missing", hideTo(dir.path("no/o.bmp")), "", messages::cannotCreateFile(dir.path("no/o.bmp")),
         "No such file or directory"},
        {"output is a folder", hideTo(dir.path("folder")), "", messages::cannotCreateFile(dir.path("folder")), "Is a directory"},
        {"output name too long", hideTo(longName), "", messages::cannotCreateFile(longName), "File name too long"},
        {"output read-only", hideTo(dir.path("readonly.bmp")), "", messages::cannotCreateFile(dir.path("readonly.bmp")),
         "Permission denied"},
        {"output larger than the file size limit", hideTo(dir.path("o.bmp")), "prlimit --fsize=2000 ",
         messages::cannotCreateFile(dir.path("o.bmp")), "File too large"},
        {"picture unreadable", {"info", dir.path("secret.bmp")}, "", messages::cannotOpenFile(dir.path("secret.bmp")),
         "Permission denied"},
        {"picture missing", {"info", dir.path("none.bmp")}, "", messages::cannotOpenFile(dir.path("none.bmp")),
         "No such file or directory"},
        {"text file missing", {"hide", pic, "-o", dir.path("o.bmp"), "--step", "3", "--password-file", pw, "--text-file",
                               dir.path("none.txt")},
         "", messages::cannotOpenFile(dir.path("none.txt")), "No such file or directory"},
        {"text file is a folder", {"hide", pic, "-o", dir.path("o.bmp"), "--step", "3", "--password-file", pw,
                                   "--text-file", dir.path("folder")},
         "", messages::cannotOpenFile(dir.path("folder")), "Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = run(c.args, "x\n", c.env + test::unprivilegedCommandPrefix());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, failure(c.message, c.reason));
    }
    EXPECT_EQ(test::readFile(dir.path("readonly.bmp")), (test::Bytes{'o', 'l', 'd'}));
    EXPECT_FALSE(fs::exists(dir.path("o.bmp")));
}

}  // namespace
}  // namespace velmora
