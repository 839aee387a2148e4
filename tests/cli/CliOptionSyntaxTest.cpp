// velmora-cli's command line the GNU way: options anywhere, --name=value, grouped short
// options, "--" ending the options, --version, and --quiet.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliFixture.h"
#include "engine/OperationMessages.h"
#include "engine/Version.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string usageError(const std::string& message) { return "velmora-cli: " + message + "\nTry 'velmora-cli --help'.\n"; }

TEST_F(Cli, OptionsMayComeAnywhereAndTakeTheirValueEitherWay) {
    const std::string pic = dir.path("pic.bmp");
    const std::vector<std::vector<std::string>> spellings = {
        {"capacity", pic, "--step", "10"},   {"capacity", pic, "--step=10"},   {"--step", "10", "capacity", pic},
        {"--step=10", "capacity", pic},      {"capacity", "--step", "10", pic}, {"-q", "capacity", pic, "--step=10"},
        {"capacity", pic, "--step=3", "--step=10"},  // the last one counts
    };
    for (const auto& args : spellings) {
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 0) << ::testing::PrintToString(args) << r.err;
        EXPECT_EQ(r.out, "98\n") << ::testing::PrintToString(args);
    }
}

TEST_F(Cli, TheOutputOptionTakesEveryGnuSpelling) {
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw"), out = dir.path("out.bmp");
    const std::vector<std::vector<std::string>> spellings = {
        {"hide", pic, "-o", out}, {"hide", pic, "-o" + out}, {"hide", pic, "--output", out},
        {"hide", pic, "--output=" + out}, {"-o", out, "hide", pic},
    };
    for (auto args : spellings) {
        SCOPED_TRACE(::testing::PrintToString(args));
        fs::remove(out);
        args.insert(args.end(), {"--step", "3", "--password-file", pw});
        const CliRun r = run(args, "hello\n");
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, std::string(messages::kHiddenSuccessfully) + " " + out + "\n");
        EXPECT_EQ(extract().out, "hello\n");
    }
}

// A picture whose name starts with "-" is reached after "--", which ends the options: what
// follows it is never an option, even when it looks like one.
TEST_F(Cli, DoubleDashEndsTheOptions) {
    fs::copy_file(dir.path("pic.bmp"), dir.path("-x.bmp"));
    const std::string here = "cd " + quoted(dir.path("")) + " && ";
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
        std::string err;
    } cases[] = {
        {{"capacity", "--step", "10", "--", "-x.bmp"}, 0, "98\n", ""},
        {{"--step=10", "capacity", "--", "-x.bmp"}, 0, "98\n", ""},
        {{"--step=10", "--", "capacity", "-x.bmp"}, 0, "98\n", ""},
        {{"--", "capacity", "-x.bmp", "--step=10"}, 2, "", usageError("unexpected argument '--step=10'")},
        {{"capacity", "-x.bmp", "--step", "10"}, 2, "", usageError("unknown option '-x'")},
        {{"capacity", "--", "-x.bmp", "--step", "10"}, 2, "", usageError("unexpected argument '--step'")},
        {{"info", "--", "--help"}, 1, "", "velmora-cli: Cannot open file --help\nvelmora-cli: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun r = run(c.args, "", here);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(Cli, OptionMistakesAreUsageErrors) {
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw");
    const auto hideWith = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = {"hide", pic, "-o", dir.path("o.bmp"), "--password-file", pw};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {hideWith({"--step="}), usageError("--step must be a whole number from 2 to 500, not ''")},
        {hideWith({"--step=x"}), usageError("--step must be a whole number from 2 to 500, not 'x'")},
        {hideWith({"--step= 7"}), usageError("--step must be a whole number from 2 to 500, not ' 7'")},
        {hideWith({"--step"}), usageError("--step needs a value")},
        {{"hide", pic, "--password-file", pw, "--step", "3", "-o"}, usageError("-o needs a value")},
        {hideWith({"--step=3", "--raw=yes"}), usageError("--raw takes no value")},
        {hideWith({"--step=3", "--json"}), usageError("unknown option '--json' for hide")},
        {{"capacity", pic, "--step=3", "-o", "x.bmp"}, usageError("unknown option '-o' for capacity")},
        {{"info", pic, "--stepp=3"}, usageError("unknown option '--stepp'")},
        {{"info", pic, "-qz"}, usageError("unknown option '-z'")},
        {{"info", pic, "-"}, usageError("unexpected argument '-'")},
        {{"-q"}, usageError("missing command")},
        {{"--step=3", "paint", pic}, usageError("unknown command 'paint'")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun r = run(c.args, "hello\n");
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_FALSE(fs::exists(dir.path("o.bmp")));
}

TEST_F(Cli, VersionAndHelpAnswerWhereverTheyStand) {
    const std::string version = std::string("velmora-cli ") + programVersion + "\n";
    ASSERT_NE(std::string(programVersion), "");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--version"}, {"info", "--version"},
                                                 {"--version", "hide", "--step=x"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 0) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, version);
        EXPECT_EQ(r.err, "");
    }
    for (const std::vector<std::string>& args : {std::vector<std::string>{"hide", "--help"}, {"--help", "hide"},
                                                 {"help", "hide"}, {"-h", "hide"}, {"--step=x", "hide", "-h"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 0) << ::testing::PrintToString(args);
        EXPECT_TRUE(r.out.starts_with("usage: velmora-cli hide ")) << r.out;
    }
    EXPECT_TRUE(run({"--help"}).out.starts_with("usage: velmora-cli [OPTIONS] COMMAND"));
}

// Quiet leaves out what is said to people on success, never the data or an error.
TEST_F(Cli, QuietKeepsDataAndErrorsOnly) {
    const std::string pic = dir.path("pic.bmp"), pw = dir.path("pw");
    for (const char* quiet : {"-q", "--quiet"}) {
        SCOPED_TRACE(quiet);
        const CliRun hidden = hide("hello\n", {quiet});
        EXPECT_EQ(hidden.exitCode, 0) << hidden.err;
        EXPECT_EQ(hidden.out, "");
        EXPECT_EQ(hidden.err, "");
        const CliRun extracted = extract({quiet});
        EXPECT_EQ(extracted.out, "hello\n");
        EXPECT_EQ(extracted.err, "");
        EXPECT_EQ(run({quiet, "capacity", pic, "--step=10"}).out, "98\n");
        test::writeFile(dir.path("other"), {'x', '\n'});
        const CliRun wrong = run({"extract", dir.path("out.bmp"), quiet, "--password-file", dir.path("other")});
        EXPECT_EQ(wrong.exitCode, 1);
        EXPECT_EQ(wrong.err, std::string("velmora-cli: ") + messages::kPasswordIncorrect + "\n");
        EXPECT_EQ(run({"hide", pic, quiet, "-o", dir.path("o.bmp"), "--password-file", pw}).exitCode, 2);
    }
}

}  // namespace
}  // namespace velmora
