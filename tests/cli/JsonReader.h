#pragma once

// A strict reader of one flat JSON object (string and number values), so tests can check that
// velmora-cli's --json output is well-formed and read its fields back. Anything the JSON
// grammar does not allow, including bytes that are not UTF-8, raises std::runtime_error.
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <variant>

namespace velmora::test {

using JsonValue = std::variant<std::string, double>;
using JsonFields = std::map<std::string, JsonValue>;

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : text_(text) {}

    JsonFields object() {
        JsonFields fields;
        expect('{');
        if (!take('}')) {
            do {
                std::string name = string();
                expect(':');
                skipSpace();
                JsonValue value = peek() == '"' ? JsonValue(string()) : JsonValue(number());
                if (!fields.emplace(std::move(name), std::move(value)).second) fail("a field given twice");
            } while (take(','));
            expect('}');
        }
        skipSpace();
        if (at_ != text_.size()) fail("text after the object");
        return fields;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("not JSON at " + std::to_string(at_) + ": " + what);
    }
    void skipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }
    char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    bool take(char c) {
        skipSpace();
        if (peek() != c) return false;
        ++at_;
        return true;
    }
    void expect(char c) {
        if (!take(c)) fail(std::string("expected ") + c);
    }
    unsigned byte() {
        if (at_ >= text_.size()) fail("the text ends");
        return static_cast<unsigned char>(text_[at_++]);
    }
    unsigned hex4() {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned c = byte();
            const unsigned digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
            if (digit == 99) fail("a bad \\u escape");
            value = value * 16 + digit;
        }
        return value;
    }
    static void appendUtf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | cp >> 6);
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | cp >> 12);
            out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | cp >> 18);
            out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    // One UTF-8 character, checked the strict way (no overlong forms, no surrogates).
    std::uint32_t utf8Character(unsigned lead) {
        int more = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
        if (lead >= 0xF5 || more < 0) fail("a byte that is not UTF-8");
        std::uint32_t cp = lead & (0x3F >> more);
        for (int i = 0; i < more; ++i) {
            const unsigned c = byte();
            if ((c & 0xC0) != 0x80) fail("a byte that is not UTF-8");
            cp = cp << 6 | (c & 0x3F);
        }
        if ((more == 2 && cp < 0x800) || (more == 3 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
            fail("a byte that is not UTF-8");
        return cp;
    }
    std::string string() {
        expect('"');
        std::string out;
        for (;;) {
            const unsigned c = byte();
            if (c == '"') return out;
            if (c < 0x20) fail("a control character in a string");
            if (c >= 0x80) {
                appendUtf8(out, utf8Character(c));
            } else if (c != '\\') {
                out += static_cast<char>(c);
            } else {
                const unsigned e = byte();
                switch (e) {
                case '"': case '\\': case '/': out += static_cast<char>(e); break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    std::uint32_t cp = hex4();
                    if (cp >= 0xDC00 && cp <= 0xDFFF) fail("a lone low surrogate");
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        if (byte() != '\\' || byte() != 'u') fail("a lone high surrogate");
                        const std::uint32_t low = hex4();
                        if (low < 0xDC00 || low > 0xDFFF) fail("a lone high surrogate");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    }
                    appendUtf8(out, cp);
                    break;
                }
                default: fail("an unknown escape");
                }
            }
        }
    }
    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    double number() {
        const std::size_t start = at_;
        const auto digits = [&] {
            const std::size_t from = at_;
            while (peek() >= '0' && peek() <= '9') ++at_;
            if (at_ == from) fail("expected a digit");
        };
        if (peek() == '-') ++at_;
        if (peek() == '0') ++at_;
        else digits();
        if (peek() == '.') {
            ++at_;
            digits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++at_;
            if (peek() == '+' || peek() == '-') ++at_;
            digits();
        }
        return std::stod(text_.substr(start, at_ - start));
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

}  // namespace velmora::test
