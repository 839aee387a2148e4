#include "engine/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace velmora {

namespace {

struct LanguageCodePage {
    std::string_view language;
    std::string_view codePage;
};

constexpr std::array<LanguageCodePage, 28> kLanguages = {{
    {"ru", "windows-1251"}, {"uk", "windows-1251"}, {"be", "windows-1251"}, {"bg", "windows-1251"},
    {"sr", "windows-1251"}, {"mk", "windows-1251"},
    {"cs", "windows-1250"}, {"sk", "windows-1250"}, {"pl", "windows-1250"}, {"hu", "windows-1250"},
    {"sl", "windows-1250"}, {"hr", "windows-1250"}, {"ro", "windows-1250"}, {"sq", "windows-1250"},
    {"bs", "windows-1250"},
    {"el", "windows-1253"},
    {"tr", "windows-1254"}, {"az", "windows-1254"},
    {"he", "windows-1255"}, {"yi", "windows-1255"},
    {"ar", "windows-1256"}, {"fa", "windows-1256"}, {"ur", "windows-1256"},
    {"lt", "windows-1257"}, {"lv", "windows-1257"}, {"et", "windows-1257"},
    {"vi", "windows-1258"},
    {"th", "windows-874"},
}};

// A code page by its plain name only. iconv reads suffixes such as "//IGNORE" and
// "//TRANSLIT" (in any letter case) as orders to drop or transliterate what the page cannot
// hold, which would weaken a password silently; an empty name would mean the locale's own set.
bool isPlainName(std::string_view name) {
    constexpr std::size_t kLongestName = 64;
    return !name.empty() && name.size() <= kLongestName && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
               c == '.' || c == ':';
    });
}

iconv_t openConverter(std::string_view to, std::string_view from) {
    if (!isPlainName(to) || !isPlainName(from)) return reinterpret_cast<iconv_t>(-1);
    return ::iconv_open(std::string(to).c_str(), std::string(from).c_str());
}

class Converter {
public:
    Converter(std::string_view to, std::string_view from) : cd_(openConverter(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::invalid_argument("unknown code page");
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { ::iconv_close(cd_); }

    // Converts in; at a sequence it cannot take, calls onBad(remaining input, output) which
    // must consume at least one input byte.
    template <typename OnBad>
    std::string run(std::string_view in, OnBad onBad) {
        std::string out;
        std::array<char, 4096> buffer{};
        auto* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buffer.data();
            std::size_t dstLeft = buffer.size();
            const std::size_t r = ::iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer.data(), static_cast<std::size_t>(dst - buffer.data()));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                const std::size_t used = onBad(std::string_view(src, srcLeft), out);
                src += used;
                srcLeft -= used;
                ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        ::iconv(cd_, nullptr, nullptr, &dst, &dstLeft);  // flush a pending combined character
        out.append(buffer.data(), static_cast<std::size_t>(dst - buffer.data()));
        return out;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts the text, or 1 for a byte that starts none.
std::size_t utf8SequenceLength(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s[0]);
    const std::size_t n = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    if (n > s.size()) return 1;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
    return n;
}

void appendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

std::string decodeFromCodePage(std::string_view bytes, std::string_view codePage);

namespace {

// U+0080 .. U+009F stand for the bytes a page leaves undefined (see decoding); where the page
// defines the byte, it means another character and cannot stand in.
std::optional<char> undefinedByteFor(std::string_view sequence, std::string_view codePage) {
    if (sequence.size() != 2 || static_cast<unsigned char>(sequence[0]) != 0xC2 ||
        static_cast<unsigned char>(sequence[1]) > 0x9F)
        return std::nullopt;
    const char byte = sequence[1];
    if (decodeFromCodePage(std::string_view(&byte, 1), codePage) != sequence) return std::nullopt;
    return byte;
}

// UTF-8 to the code page; each character it cannot hold becomes "?" and is reported by its
// offset in utf8.
template <typename OnUnstorable>
std::string encode(std::string_view utf8, std::string_view codePage, OnUnstorable onUnstorable) {
    Converter converter(codePage, "UTF-8");
    return converter.run(utf8, [&](std::string_view rest, std::string& out) {
        const std::size_t length = utf8SequenceLength(rest);
        if (const auto byte = undefinedByteFor(rest.substr(0, length), codePage)) {
            out += *byte;
        } else {
            out += '?';
            onUnstorable(utf8.size() - rest.size());
        }
        return length;
    });
}

}  // namespace

std::string codePageForLocale(std::string_view localeName) {
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
    // Serbian written in Latin letters uses the Central European page.
    if (language == "sr" && localeName.find("@latin") != std::string_view::npos) return "windows-1250";
    for (const auto& entry : kLanguages)
        if (entry.language == language) return std::string(entry.codePage);
    return "windows-1252";
}

std::string systemCodePage() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return codePageForLocale(value);
    }
    return codePageForLocale("C");
}

std::string encodeToCodePage(std::string_view utf8, std::string_view codePage) {
    return encode(utf8, codePage, [](std::size_t) {});
}

std::size_t firstUnstorable(std::string_view utf8, std::string_view codePage) {
    std::size_t first = std::string_view::npos;
    encode(utf8, codePage, [&first](std::size_t offset) { first = std::min(first, offset); });
    return first;
}

bool isEightBitCodePage(std::string_view name) {
    const iconv_t cd = openConverter("UTF-8", name);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    // A byte that starts a longer sequence is "incomplete" on its own; in an 8-bit page every
    // byte is a character or undefined.
    bool eightBit = true;
    for (int value = 0; value < 256 && eightBit; ++value) {
        char byte = static_cast<char>(value);
        char* in = &byte;
        std::size_t inLeft = 1;
        std::array<char, 8> buffer{};
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        if (::iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) && errno == EINVAL) eightBit = false;
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    ::iconv_close(cd);
    return eightBit;
}

std::string decodeFromCodePage(std::string_view bytes, std::string_view codePage) {
    Converter converter("UTF-8", codePage);
    return converter.run(bytes, [](std::string_view rest, std::string& out) {
        appendUtf8(out, static_cast<unsigned char>(rest[0]));
        return std::size_t{1};
    });
}

}  // namespace velmora
