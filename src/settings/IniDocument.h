#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The text of an INI file held line by line, read and changed in memory. Text is bytes.
//
// A section begins at a line "[name]"; a key line is "key=value". Section and key names
// match without regard to ASCII case and to the blanks around them; the first matching
// section and, inside it, the first matching key count. Lines whose first non-blank
// character is ";" are comments. Lines may end in LF or CRLF. A UTF-8 byte-order mark at the
// start (editors add one) is kept in the text but not read as part of the first line.
//
// A value is the text after the first "=" without its surrounding blanks and, when it is
// then wrapped in a matching pair of single or double quotes, without them; at most
// kMaxValueLength bytes of it are returned.
//
// Changing a value keeps every other byte of the text as it was: an existing key's line is
// replaced where it stands, a new key follows the last non-blank line of its section, and a
// new section goes to the end. Lines written here end in "\n".
class IniDocument {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // A missing section or key gives the fallback.
    std::string readString(std::string_view section, std::string_view key, const std::string& fallback) const;
    // A signed decimal number, or "$", "0x", "0X", "x" or "X" and at most 8 significant hex
    // digits taken as the 32 bits of a signed number; anything else gives the fallback.
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
    // Any non-zero integer is true.
    bool readBoolean(std::string_view section, std::string_view key, bool fallback) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBoolean(std::string_view section, std::string_view key, bool value);

    // The whole text: the bytes it was made from with the writes applied.
    std::string text() const;

private:
    // Lines [header, end) of a section, its header line included.
    struct SectionLines {
        std::size_t header;
        std::size_t end;
    };

    std::optional<SectionLines> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const SectionLines& lines, std::string_view key) const;
    std::optional<std::string_view> findValue(std::string_view section, std::string_view key) const;
    void insertLine(std::size_t at, std::string line);

    std::string byteOrderMark_;       // as the text began, or empty
    std::vector<std::string> lines_;  // without their "\n"; a CRLF line keeps its "\r"
    bool lastLineEnded_ = true;       // false when the text ends without a line break
};

}  // namespace velmora
