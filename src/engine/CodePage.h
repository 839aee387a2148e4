#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Message text, passwords and language packs are 8-bit strings in the code page a Windows
// desktop would use for the user's locale, so carriers read the same everywhere.

// "windows-1251" for Russian, Ukrainian, Belarusian, Bulgarian, Serbian, Macedonian;
// "windows-1250" for Central European languages; 1253 Greek; 1254 Turkish; 1255 Hebrew;
// 1256 Arabic, Persian, Urdu; 1257 Baltic; 1258 Vietnamese; "windows-874" Thai; otherwise
// "windows-1252". localeName is a POSIX locale name such as "ru_RU.UTF-8".
std::string codePageForLocale(std::string_view localeName);

// The code page of the current locale (LC_ALL, then LC_CTYPE, then LANG).
std::string systemCodePage();

// UTF-8 text to the code page; a character the code page cannot hold, and any byte that is
// not valid UTF-8, becomes "?"; U+0080 .. U+009F become the byte of that number when the page
// leaves that byte undefined, so text decoded below comes back byte for byte.
std::string encodeToCodePage(std::string_view utf8, std::string_view codePage);

// Where the first character that encodeToCodePage would turn into "?" starts in utf8 (a byte
// that is not valid UTF-8 counts as one), or npos when the page holds every character.
std::size_t firstUnstorable(std::string_view utf8, std::string_view codePage);

// Whether the system knows the name as an 8-bit code page: every character one byte. Only a
// plain name counts; iconv's suffixes ("//IGNORE", "//TRANSLIT") would let a conversion drop or
// change characters, and the conversions above refuse such a name (std::invalid_argument).
bool isEightBitCodePage(std::string_view name);

// Code-page bytes to UTF-8; a byte the code page leaves undefined maps to the code point of
// the same number, so nothing is lost.
std::string decodeFromCodePage(std::string_view bytes, std::string_view codePage);

}  // namespace velmora
