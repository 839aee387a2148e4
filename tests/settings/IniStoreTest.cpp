// The INI settings store: the reading syntax, number and flag values, writes that keep the
// rest of the file, write-through, and failures.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <climits>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "settings/IniStore.h"
#include "support/BmpBuilder.h"
#include "support/Expect.h"

namespace velmora {
namespace {

void writeText(const std::string& path, const std::string& text) { test::writeFile(path, test::Bytes(text.begin(), text.end())); }

std::string readText(const std::string& path) {
    const test::Bytes bytes = test::readFile(path);
    return {bytes.begin(), bytes.end()};
}

constexpr const char* kMissing = "<default>";

TEST(IniStore, ReadsValuesByTheFileSyntax) {
    test::TempDir dir;
    const std::string path = dir.path("velmora.ini");
    const std::string longValue(3000, 'x');
    writeText(path,
              "Orphan=before any section\n"
              "[Main]\n"
              "Lang = &Russian \n"
              "Quoted= \"  spaced  \" \n"
              "Single='x'\n"
              "Mismatched=\"x'\n"
              "Lone=\"\n"
              "EmptyDouble=\"\"\n"
              "EmptySingle= '' \n"
              "Inner=a=b\n"
              "Tabs=\tvalue\t\n"
              "Empty=\n"
              "; Commented=yes\n"
              "  ;Hidden=1\n"
              "Dup=first\n"
              "DUP=second\n"
              "[ main ]\n"
              "Extra=from the second Main\n"
              "[Other]\r\n"
              "Crlf=dos\r\n"
              "  Spaced Key  =  v  \r\n"
              "[Velmora]\n"
              "Long=\"" + longValue + "\"");  // no line break after the last line
    const IniStore store(path);
    const struct {
        const char* section;
        const char* key;
        std::string expected;
    } cases[] = {
        {"Main", "Lang", "&Russian"},        {"MAIN", "lang", "&Russian"},
        {"Main", "Quoted", "  spaced  "},    {"Main", "Single", "x"},
        {"Main", "Mismatched", "\"x'"},      {"Main", "Lone", "\""},
        {"Main", "EmptyDouble", ""},         {"Main", "EmptySingle", ""},
        {"Main", "Inner", "a=b"},            {"Main", "Tabs", "value"},
        {"Main", "Empty", ""},               {"Main", "Commented", kMissing},
        {"Main", "Hidden", kMissing},        {"Main", "Orphan", kMissing},
        {"Main", "dup", "first"},            {"Main", "Extra", kMissing},
        {"Other", "Crlf", "dos"},            {"other", "SPACED KEY", "v"},
        {"Other", "Lang", kMissing},         {"Missing", "Lang", kMissing},
        {"Velmora", "Long", longValue.substr(0, IniDocument::kMaxValueLength)},
    };
    for (const auto& c : cases) EXPECT_EQ(store.readString(c.section, c.key, kMissing), c.expected) << c.section << "/" << c.key;
}

TEST(IniStore, ReadsPastAByteOrderMark) {
    test::TempDir dir;
    const std::string path = dir.path("velmora.ini");
    writeText(path, "\xEF\xBB\xBF[Main]\nStep=5\n");
    EXPECT_EQ(IniStore(path).readInteger("Main", "Step", 20), 5);
    writeText(path, "\xEF\xBB\xBFStep=5\n[Main]\n");  // the mark does not make a key line a section
    EXPECT_EQ(IniStore(path).readInteger("Main", "Step", 20), 20);
}

TEST(IniStore, AMissingFileGivesDefaultsAndStaysMissing) {
    test::TempDir dir;
    const std::string path = dir.path("velmora.ini");
    IniStore store(path);
    EXPECT_EQ(store.readString("Main", "Lang", "&English"), "&English");
    EXPECT_EQ(store.readInteger("Main", "Step", -7), -7);
    EXPECT_TRUE(store.readBoolean("Main", "Minimized", true));
    store.release();
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A settings file or language pack of 76 MB took 449 MB, one of a gigabyte 12 s; a FIFO
// would never end. Past 1 MiB, or not a regular file, it reads as missing.
TEST(IniStore, AFileThatIsNotRegularOrPastOneMiBReadsAsMissing) {
    test::TempDir dir;
    const std::string big = dir.path("big.ini"), fifo = dir.path("fifo.ini"), fits = dir.path("fits.ini");
    writeText(big, "[Main]\nStep=5\n");
    std::filesystem::resize_file(big, std::uintmax_t{1} << 30);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    writeText(fits, "[Main]\nStep=5\n");
    std::filesystem::resize_file(fits, std::uintmax_t{1} << 20);
    EXPECT_EQ(IniStore(big).readInteger("Main", "Step", 20), 20);
    EXPECT_EQ(IniStore(fifo).readInteger("Main", "Step", 20), 20);
    EXPECT_EQ(IniStore(fits).readInteger("Main", "Step", 20), 5) << "1 MiB itself is still read";
}

TEST(IniStore, ReadsIntegersInDecimalAndHexOrGivesTheDefault) {
    constexpr std::int32_t kDefault = 7777;
    const struct {
        const char* value;
        std::int32_t expected;
    } cases[] = {
        {"0x1F", 31},          {"$1F", 31},           {"x10", 16},          {"X10", 16},
        {"0X10", 16},          {"$00ff", 255},        {"$FFFFFFFF", -1},    {"$80000000", INT32_MIN},
        {"$7fffffff", INT32_MAX}, {"$000000001", 1},  {"$123456789", kDefault},
        {"15", 15},            {"+42", 42},           {"-0", 0},            {"007", 7},
        {"' 15'", 15},         {"\"-3\"", -3},        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX}, {"2147483648", kDefault}, {"-2147483649", kDefault},
        {"99999999999999999999", kDefault},
        {"", kDefault},        {"abc", kDefault},     {"15px", kDefault},   {"'15 '", kDefault},
        {"-$10", kDefault},    {"+0x10", kDefault},   {"+-5", kDefault},    {"- 5", kDefault},
        {"0x", kDefault},      {"$", kDefault},       {"0x-1", kDefault},   {"$0x10", kDefault},
        {"1.5", kDefault},     {"$1G", kDefault},
    };
    test::TempDir dir;
    const std::string path = dir.path("velmora.ini");
    std::string text = "[Main]\nStep  =  15\n";
    for (std::size_t i = 0; i < std::size(cases); ++i) text += "K" + std::to_string(i) + "=" + cases[i].value + "\n";
    writeText(path, text);
    const IniStore store(path);
    EXPECT_EQ(store.readInteger("Main", "Step", kDefault), 15);
    EXPECT_EQ(store.readInteger("Main", "Absent", kDefault), kDefault);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(store.readInteger("Main", "K" + std::to_string(i), kDefault), cases[i].expected) << '"' << cases[i].value << '"';
}

TEST(IniStore, ReadsFlagsAsNumbersWhereAnyNonZeroIsTrue) {
    const struct {
        const char* line;  // nullptr: no key at all
        bool fallback;
        bool expected;
    } cases[] = {
        {"Minimized=1", false, true},  {"Minimized=2", false, true},   {"Minimized=-1", false, true},
        {"Minimized=$10", false, true}, {"Minimized=0", true, false},  {"Minimized=$0", true, false},
        {"Minimized=yes", true, true}, {"Minimized=yes", false, false}, {"Minimized=", true, true},
        {nullptr, true, true},         {nullptr, false, false},
    };
    test::TempDir dir;
    const std::string path = dir.path("velmora.ini");
    for (const auto& c : cases) {
        writeText(path, std::string("[Main]\n") + (c.line ? c.line : "Other=1") + "\n");
        EXPECT_EQ(IniStore(path).readBoolean("Main", "Minimized", c.fallback), c.expected)
            << (c.line ? c.line : "(none)") << " fallback " << c.fallback;
    }
}

using Value = std::variant<std::string, std::int32_t, bool>;

struct Write {
    const char* section;
    const char* key;
    Value value;
};

void apply(IniStore& store, const Write& w) {
    if (const auto* s = std::get_if<std::string>(&w.value)) store.writeString(w.section, w.key, *s);
    else if (const auto* i = std::get_if<std::int32_t>(&w.value)) store.writeInteger(w.section, w.key, *i);
    else store.writeBoolean(w.section, w.key, std::get<bool>(w.value));
}

TEST(IniStore, WritesChangeOnlyTheirLineAndKeepTheRestOfTheFile) {
    const struct {
        const char* what;
        std::optional<std::string> before;  // nullopt: no file yet
        std::vector<Write> writes;
        std::string after;
    } cases[] = {
        {"a missing file is created", std::nullopt, {{"Main", "A", std::string("1")}}, "[Main]\nA=1\n"},
        {"an empty file gets the section", "", {{"Main", "A", std::string("1")}}, "[Main]\nA=1\n"},
        {"an existing key is replaced where it stands, CRLF kept",
         "; head\r\n[Main]\r\nA=1\r\n Step = 5 \r\nB=2\r\n", {{"Main", "STEP", 20}},
         "; head\r\n[Main]\r\nA=1\r\nSTEP=20\r\nB=2\r\n"},
        {"only the first matching key of the first matching section",
         "[Main]\nK=1\nk=2\n[main]\nK=3\n", {{"MAIN", "k", std::string("9")}}, "[Main]\nk=9\nk=2\n[main]\nK=3\n"},
        {"a new key follows the section's last non-blank line",
         "[Main]\nA=1\n; note\n\n\n[Other]\nB=2\n", {{"Main", "New", std::string("x")}},
         "[Main]\nA=1\n; note\nNew=x\n\n\n[Other]\nB=2\n"},
        {"a new key comes before the last section's trailing blank lines", "[Main]\nA=1\n\n \n",
         {{"Main", "New", std::string("x")}}, "[Main]\nA=1\nNew=x\n\n \n"},
        {"a new key in an empty section", "[Main]\n[Other]\n", {{"Main", "New", std::string("x")}},
         "[Main]\nNew=x\n[Other]\n"},
        {"a last line without a line break gets one before a new key", "[Main]\r\nA=1",
         {{"Main", "New", std::string("x")}}, "[Main]\r\nA=1\nNew=x\n"},
        {"a replaced last line keeps having no line break", "[Main]\nA=1", {{"Main", "A", 2}}, "[Main]\nA=2"},
        {"a missing section goes to the end", "[Other]\nB=2", {{"Main", "A", false}}, "[Other]\nB=2\n[Main]\nA=0\n"},
        {"a key before any section is not the section's", "A=0\n[Main]\n", {{"Main", "A", true}},
         "A=0\n[Main]\nA=1\n"},
        {"a UTF-8 byte-order mark before the first section stays, and the section is found",
         "\xEF\xBB\xBF[Main]\r\nStep=5\r\n", {{"Main", "Step", 20}, {"Main", "k", 2}},
         "\xEF\xBB\xBF[Main]\r\nStep=20\r\nk=2\n"},
        {"numbers in decimal, flags as 1 and 0, strings unchanged", std::nullopt,
         {{"Main", "Neg", -5}, {"Main", "Min", INT32_MIN}, {"Main", "On", true}, {"Main", "Off", false},
          {"Main", "Text", std::string(" 'as is' ")}},
         "[Main]\nNeg=-5\nMin=-2147483648\nOn=1\nOff=0\nText= 'as is' \n"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const std::string path = dir.path("velmora.ini");
        if (c.before) writeText(path, *c.before);
        IniStore store(path);
        for (const Write& w : c.writes) apply(store, w);
        EXPECT_EQ(readText(path), c.after) << c.what;
    }
}

TEST(IniStore, FirstRunWritesTheDefaultsOneByOneInOrder) {
    const Write writes[] = {
        {"Main", "k", 2},           {"Main", "Step", 20}, {"Main", "BaseColor", 0},
        {"Main", "Minimized", false}, {"Main", "Lang", std::string("&Russian")}, {"Main", "FirstOpen", false},
    };
    const char* lines[] = {"k=2", "Step=20", "BaseColor=0", "Minimized=0", "Lang=&Russian", "FirstOpen=0"};
    test::TempDir dir;
    const std::string path = dir.path("velmora.ini");
    IniStore store(path);
    std::string expected = "[Main]\n";
    for (std::size_t i = 0; i < std::size(writes); ++i) {
        apply(store, writes[i]);
        expected += std::string(lines[i]) + "\n";
        EXPECT_EQ(readText(path), expected) << "after " << writes[i].key;  // on disk at once
    }
    EXPECT_EQ(store.readInteger("Main", "Step", 0), 20);
    EXPECT_FALSE(store.readBoolean("Main", "Minimized", true));
    EXPECT_EQ(IniStore(path).readString("main", "LANG", ""), "&Russian");
}

TEST(IniStore, WritingKeepsTheFilePermissions) {
    test::TempDir dir;
    const std::string path = dir.path("velmora.ini");
    for (const auto perms : {std::filesystem::perms(0640), std::filesystem::perms(0604)}) {
        writeText(path, "[Main]\nA=1\n");
        std::filesystem::permissions(path, perms);
        IniStore(path).writeInteger("Main", "A", 2);
        EXPECT_EQ(std::filesystem::status(path).permissions(), perms);
        EXPECT_EQ(readText(path), "[Main]\nA=2\n");
    }
}

TEST(IniStore, AWriteThatCannotReachItsFolderRaisesTheMessage) {
    test::TempDir dir;
    writeText(dir.path("plain"), "");
    for (const std::string& path : {dir.path("missing/velmora.ini"), dir.path("plain/velmora.ini")}) {
        IniStore store(path);
        EXPECT_THROW_MESSAGE(store.writeString("Main", "Lang", "&Russian"), SettingsWriteError,
                             "Unable to write to " + path);
        EXPECT_EQ(store.readString("Main", "Lang", ""), "&Russian") << "kept in memory";
    }
}

// Holds this process's file size limit low, with the signal the limit raises ignored, so a
// write fails part way through even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(IniStore, AFailedWriteLeavesTheFileWholeAndReleaseCompletesIt) {
    test::TempDir dir;
    const std::string path = dir.path("velmora.ini");
    const std::string big(4096, 'b');
    IniStore store(path);
    store.writeInteger("Main", "k", 2);
    {
        const FileSizeLimit limit(64);
        EXPECT_THROW_MESSAGE(store.writeString("Main", "Big", big), SettingsWriteError, "Unable to write to " + path);
        EXPECT_THROW_MESSAGE(store.release(), SettingsWriteError, "Unable to write to " + path);
    }
    EXPECT_EQ(readText(path), "[Main]\nk=2\n") << "the earlier write stays, nothing half-written";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("")), {}), 1) << "no temporary file left";
    store.release();
    EXPECT_EQ(readText(path), "[Main]\nk=2\nBig=" + big + "\n");
}

}  // namespace
}  // namespace velmora
