// The 8-bit code page of message text and passwords.
#include <gtest/gtest.h>

#include "engine/CodePage.h"

namespace velmora {
namespace {

TEST(CodePage, FollowsTheLanguageOfTheLocale) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"ru_RU.UTF-8", "windows-1251"}, {"uk_UA", "windows-1251"},        {"sr_RS@latin", "windows-1250"},
        {"sr_RS.UTF-8", "windows-1251"}, {"pl_PL.UTF-8", "windows-1250"},  {"el_GR", "windows-1253"},
        {"tr_TR", "windows-1254"},       {"he_IL", "windows-1255"},        {"ar_EG", "windows-1256"},
        {"lt_LT", "windows-1257"},       {"vi_VN", "windows-1258"},        {"th_TH.UTF-8", "windows-874"},
        {"en_US.UTF-8", "windows-1252"}, {"C", "windows-1252"},            {"", "windows-1252"},
    };
    for (const auto& [locale, page] : cases) EXPECT_EQ(codePageForLocale(locale), page) << locale;
}

TEST(CodePage, ConvertsBothWaysAndMarksWhatCannotBeStored) {
    EXPECT_EQ(encodeToCodePage("Привет №5", "windows-1251"), "\xCF\xF0\xE8\xE2\xE5\xF2 \xB9" "5");
    EXPECT_EQ(decodeFromCodePage("\xCF\xF0\xE8\xE2\xE5\xF2 \xB9" "5", "windows-1251"), "Привет №5");
    EXPECT_EQ(encodeToCodePage("café €", "windows-1252"), "caf\xE9 \x80");
    // Not in the page, and not UTF-8 at all: one "?" each.
    EXPECT_EQ(encodeToCodePage("a漢b", "windows-1252"), "a?b");
    EXPECT_EQ(encodeToCodePage("a\xFF" "b", "windows-1252"), "a?b");
    // A byte the page leaves undefined keeps its number, so saving the text loses nothing.
    EXPECT_EQ(decodeFromCodePage("\x81", "windows-1252"), "\xC2\x81");
    const std::string everyByte = [] {
        std::string s;
        for (int i = 1; i < 256; ++i) s += static_cast<char>(i);
        return s;
    }();
    for (const char* page : {"windows-1251", "windows-1252", "windows-1250"})
        EXPECT_EQ(encodeToCodePage(decodeFromCodePage(everyByte, page), page), everyByte) << page;
}

// Greek and Thai leave many bytes from 0x80 to 0x9F undefined, 0x9F among them: each stands
// for the code point of its number and comes back as itself, up to U+009F; U+00A1 past that
// range, which Greek cannot hold, is a plain "?".
TEST(CodePage, UndefinedBytesUpTo0x9FComeBackAsThemselves) {
    std::string highControls;
    for (int byte = 0x80; byte <= 0x9F; ++byte) highControls += static_cast<char>(byte);
    for (const char* page : {"windows-1253", "windows-874"})
        EXPECT_EQ(encodeToCodePage(decodeFromCodePage(highControls, page), page), highControls) << page;
    EXPECT_EQ(decodeFromCodePage("\x9F", "windows-1253"), "\xC2\x9F");
    EXPECT_EQ(encodeToCodePage("\xC2\x9F", "windows-1253"), "\x9F");
    EXPECT_EQ(encodeToCodePage("\xC2\xA1", "windows-1253"), "?");
}

// iconv takes "//IGNORE" and "//TRANSLIT" after a name as orders to drop or transliterate
// ("жук" became "zhuk", and "//IGNORE" crashed the conversion): only plain names are pages.
TEST(CodePage, OnlyAPlainNameIsACodePageAndNothingIsDroppedOrTransliterated) {
    for (const char* name : {"windows-1252", "CP1252", "ISO-8859-1", "ISO_8859-1:1987", "KOI8-R"})
        EXPECT_TRUE(isEightBitCodePage(name)) << name;
    for (const char* name : {"windows-1252//IGNORE", "windows-1252//TRANSLIT", "CP1252//translit", "ISO-8859-1//TRANSLIT",
                             "ASCII//TRANSLIT", "CP1252//TRANSLIT//IGNORE", "CP1252//", "CP1252/", "CP1252,TRANSLIT", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(isEightBitCodePage(name));
        EXPECT_THROW(encodeToCodePage("жук", name), std::invalid_argument);
        EXPECT_THROW(firstUnstorable("жук", name), std::invalid_argument);
        EXPECT_THROW(decodeFromCodePage("\xE6\xF3\xEA", name), std::invalid_argument);
    }
    EXPECT_EQ(firstUnstorable("жук", "windows-1252"), 0u);
    EXPECT_EQ(encodeToCodePage("жук", "windows-1252"), "???");
}

}  // namespace
}  // namespace velmora
