// The bash completion of velmora-cli: it parses, completes commands, options, values and
// files, and offers only code pages and colours that velmora-cli accepts.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "cli/CliFixture.h"

namespace velmora {
namespace {

const std::string& completionFile() {
    static const std::string path = test::besideTestProgram(VELMORA_TEST_DATA "/../../src/cli/velmora-cli.bash-completion");
    return path;
}

class Completion : public Cli {
protected:
    // What bash offers for the last of words, the command line so far, with files in dir.
    std::set<std::string> complete(const std::vector<std::string>& words) {
        std::string script = "cd " + velmora::quoted(dir.path("")) + " && source " + velmora::quoted(completionFile()) + " && COMP_WORDS=(";
        for (const std::string& w : words) script += velmora::quoted(w) + " ";
        script += ") && COMP_CWORD=" + std::to_string(words.size() - 1) +
                  " && { _velmora_cli; printf '%s\\n' \"${COMPREPLY[@]}\"; }";
        const std::string command = "bash -c " + velmora::quoted(script) + " 2>&1";
        std::FILE* pipe = ::popen(command.c_str(), "r");
        std::string out;
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
        EXPECT_EQ(::pclose(pipe), 0) << out;
        std::set<std::string> offered;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty()) offered.insert(line);
        return offered;
    }
};

TEST_F(Completion, TheFileParses) {
    EXPECT_EQ(std::system(("bash -n " + velmora::quoted(completionFile())).c_str()), 0);
}

TEST_F(Completion, OffersCommandsOptionsValuesAndFiles) {
    test::writeFile(dir.path("photo.jpg"), {});
    test::writeFile(dir.path("photo.txt"), {});
    using Set = std::set<std::string>;
    const struct {
        std::vector<std::string> words;
        Set offered;
    } cases[] = {
        {{"velmora-cli", ""}, Set{"hide", "extract", "capacity", "info", "help"}},
        {{"velmora-cli", "ca"}, Set{"capacity"}},
        {{"velmora-cli", "--step", "7", "ca"}, Set{"capacity"}},
        {{"velmora-cli", "info", "--"}, Set{"--help", "--version", "--quiet", "--json", "--"}},
        {{"velmora-cli", "capacity", "--s"}, Set{"--step"}},
        {{"velmora-cli", "extract", "--"}, Set{"--help", "--version", "--quiet", "--password-file", "--code-page", "--raw", "--"}},
        {{"velmora-cli", "hide", "--code-page", "windows-125"},
         Set{"windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254", "windows-1255", "windows-1256",
             "windows-1257", "windows-1258"}},
        {{"velmora-cli", "hide", "--code-page", "=", "KOI"}, Set{"KOI8-R", "KOI8-U"}},
        {{"velmora-cli", "hide", "--base-color=M"}, Set{"Maroon", "MoneyGreen", "MedGray"}},
        {{"velmora-cli", "info", "pho"}, Set{"photo.jpg", "photo.txt"}},  // pictures are known by content, not name
        {{"velmora-cli", "hide", "pic.bmp", "-o", "p"}, Set{"photo.jpg", "photo.txt", "pic.bmp", "pw"}},
        {{"velmora-cli", "info", "pic.bmp", ""}, Set{}},
        {{"velmora-cli", "info", "--", "-"}, Set{}},
        {{"velmora-cli", "--step", ""}, Set{}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(complete(c.words), c.offered) << ::testing::PrintToString(c.words);
    }
}

TEST_F(Completion, OffersOnlyValuesVelmoraCliTakes) {
    const std::set<std::string> pages = complete({"velmora-cli", "extract", "--code-page", ""});
    const std::set<std::string> colours = complete({"velmora-cli", "hide", "--base-color", ""});
    EXPECT_EQ(colours.size(), 20u);
    EXPECT_TRUE(pages.contains("windows-1252") && pages.contains("windows-1251")) << ::testing::PrintToString(pages);
    for (const std::string& page : pages) {
        const CliRun r = run({"extract", dir.path("none.bmp"), "--password-file", dir.path("pw"), "--code-page", page});
        EXPECT_EQ(r.exitCode, 1) << page << ": " << r.err;  // the picture is missing: the page was taken
    }
    for (const std::string& colour : colours) {
        const CliRun r = run({"hide", dir.path("none.bmp"), "-o", dir.path("o.bmp"), "--step", "3", "--password-file",
                              dir.path("pw"), "--base-color", colour});
        EXPECT_EQ(r.exitCode, 1) << colour << ": " << r.err;
    }
}

}  // namespace
}  // namespace velmora
