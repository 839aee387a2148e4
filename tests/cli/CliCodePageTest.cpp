// velmora-cli never weakens a password or changes a text: what the code page cannot store is
// refused, and --code-page chooses the page.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/CliFixture.h"
#include "engine/OperationMessages.h"

namespace velmora {
namespace {

const std::string kWestern = "LANG=en_US.UTF-8 LC_ALL=";
const std::string kCyrillic = "LANG=ru_RU.UTF-8 LC_ALL=";

void writeText(const std::string& path, const std::string& text) { test::writeFile(path, test::Bytes(text.begin(), text.end())); }

TEST_F(Cli, APasswordThePageCannotStoreIsABadUsage) {
    const struct {
        const char* name;
        std::string password;
        std::string env;
        std::vector<std::string> extra;
        std::string page;
    } cases[] = {
        {"Cyrillic on a Western locale", "пароль", kWestern, {}, "windows-1252"},
        {"Chinese on a Cyrillic locale", "密码", kCyrillic, {}, "windows-1251"},
        {"Greek in the page chosen", "κωδικός", kWestern, {"--code-page", "windows-1251"}, "windows-1251"},
        {"the euro sign's place taken by U+0080", "a\xC2\x80z", kWestern, {}, "windows-1252"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeText(dir.path("pw"), c.password + "\n");
        for (const char* command : {"hide", "extract"}) {
            std::vector<std::string> args = {command, dir.path("pic.bmp"), "--password-file", dir.path("pw")};
            if (std::string(command) == "hide") args.insert(args.end(), {"-o", dir.path("out.bmp"), "--step", "3"});
            args.insert(args.end(), c.extra.begin(), c.extra.end());
            const CliRun r = run(args, "text\n", c.env);
            EXPECT_EQ(r.exitCode, 2) << command;
            EXPECT_EQ(r.err, "velmora-cli: the password has a character that " + c.page +
                                 " cannot store, which would be weakened to '?'; choose another password, or the "
                                 "code page with --code-page\nTry 'velmora-cli --help'.\n")
                << command;
        }
        EXPECT_FALSE(std::filesystem::exists(dir.path("out.bmp")));
    }
}

// Stored as "??????", any six Cyrillic letters used to open the message.
TEST_F(Cli, APasswordInItsPageIsKeptWholeAndOnlyItOpensTheMessage) {
    const std::vector<std::string> page = {"--code-page", "windows-1251"};
    writeText(dir.path("pw"), "пароль\n");
    ASSERT_EQ(hide("Встреча в полдень\n", page, kWestern).exitCode, 0);
    EXPECT_EQ(extract(page, kWestern).out, "Встреча в полдень\n");
    writeText(dir.path("pw"), "пароли\n");
    const CliRun other = extract(page, kWestern);
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_EQ(other.err, std::string("velmora-cli: ") + messages::kPasswordIncorrect + "\n");
}

TEST_F(Cli, TextThePageCannotStoreIsRefusedUnlessRaw) {
    const struct {
        const char* name;
        std::string text;
        std::string env;
        std::string refusal;  // empty: hidden
    } cases[] = {
        {"Cyrillic on a Western locale", "fine\nЖук\n", kWestern,
         "line 2 of the text has a character that windows-1252 cannot store: 'Ж'"},
        {"not UTF-8 at all", "caf\xE9\n", kWestern, "line 1 of the text has a character that windows-1252 cannot store: byte 0xE9"},
        {"a character outside every 8-bit page", "ok 🙂\n", kCyrillic,
         "line 1 of the text has a character that windows-1251 cannot store: '🙂'"},
        {"Cyrillic on a Cyrillic locale", "Жук\n", kCyrillic, ""},
        {"Western letters and the euro on a Western locale", "café 5 €\n", kWestern, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir.path("out.bmp"));
        const CliRun r = hide(c.text, {}, c.env);
        if (c.refusal.empty()) {
            EXPECT_EQ(r.exitCode, 0) << r.err;
            continue;
        }
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err, "velmora-cli: " + c.refusal +
                             "; choose the code page with --code-page, or keep the bytes as they are with --raw\n"
                             "Try 'velmora-cli --help'.\n");
        EXPECT_FALSE(std::filesystem::exists(dir.path("out.bmp")));
        ASSERT_EQ(hide(c.text, {"--raw"}, c.env).exitCode, 0) << "--raw stores the bytes as they are";
        EXPECT_EQ(extract({"--raw"}, c.env).out, c.text);
    }
}

// "//IGNORE" crashed both commands on a Cyrillic password; "//TRANSLIT" stored "жук" as
// "zhuk", which then opened the message.
TEST_F(Cli, ACodePageWithIconvSuffixesIsABadUsageForACyrillicPassword) {
    writeText(dir.path("pw"), "жук\n");
    for (const char* page : {"windows-1252//IGNORE", "windows-1252//TRANSLIT", "CP1252//translit", "ISO-8859-1//TRANSLIT",
                             "ASCII//TRANSLIT"}) {
        SCOPED_TRACE(page);
        EXPECT_EQ(hide("жук\n", {"--code-page", page}, kWestern).exitCode, 2);
        EXPECT_FALSE(std::filesystem::exists(dir.path("out.bmp")));
    }
    ASSERT_EQ(hide("text\n", {"--code-page", "windows-1251"}, kWestern).exitCode, 0);
    for (const char* page : {"windows-1251//IGNORE", "windows-1252//TRANSLIT"}) {
        const CliRun r = extract({"--code-page", page}, kWestern);
        EXPECT_EQ(r.exitCode, 2) << page << ": " << r.err;
    }
    writeText(dir.path("pw"), "zhuk\n");
    EXPECT_EQ(extract({"--code-page", "windows-1251"}, kWestern).exitCode, 1) << "only the password itself opens it";
}

TEST_F(Cli, CodePageOptionTakesOnlyAnEightBitPageAndHelpNamesTheDefault) {
    for (const char* page : {"windows-1250", "windows-1251", "windows-1253", "windows-874", "ISO-8859-5", "KOI8-R"}) {
        const CliRun r = hide("x\n", {"--code-page", page});
        EXPECT_EQ(r.exitCode, 0) << page << ": " << r.err;
    }
    for (const char* page : {"no-such-page", "UTF-8", "UTF-16", "SHIFT_JIS", "", "windows-1252//IGNORE",
                             "windows-1252//TRANSLIT", "cp1252//Translit", "ISO-8859-1//TRANSLIT", "ASCII//TRANSLIT",
                             "windows-1251//IGNORE"}) {
        const CliRun r = hide("x\n", {"--code-page", page});
        EXPECT_EQ(r.exitCode, 2) << page;
        EXPECT_EQ(r.err, std::string("velmora-cli: --code-page takes an 8-bit code page this system knows, such as "
                                     "windows-1251, not '") + page + "'\nTry 'velmora-cli --help'.\n");
    }
    EXPECT_EQ(run({"info", dir.path("pic.bmp"), "--code-page", "windows-1251"}).exitCode, 2) << "only for text";
    for (const auto& [env, page] : {std::pair{kWestern, "windows-1252"}, {kCyrillic, "windows-1251"},
                                    {std::string("LANG= LC_ALL=pl_PL.UTF-8"), "windows-1250"}}) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"}, {"hide", "--help"}, {"extract", "--help"}}) {
            const std::string help = run(args, "", env).out;
            EXPECT_NE(help.find(std::string("here ") + page), std::string::npos) << env << "\n" << help;
        }
    }
}

}  // namespace
}  // namespace velmora
