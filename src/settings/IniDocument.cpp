#include "settings/IniDocument.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <utility>

#include "engine/AsciiCase.h"

namespace velmora {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// One line as the reader sees it. Comments and lines without "=" are Other: they are kept
// and count as content of their section, but hold no key.
struct LineMeaning {
    enum class Kind { Blank, Section, Key, Other };
    Kind kind = Kind::Other;
    std::string_view name{};      // of the section or key
    std::string_view rawValue{};  // everything after the key's "="
};

LineMeaning classify(std::string_view line) {
    using Kind = LineMeaning::Kind;
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = trimBlanks(line);
    if (line.empty()) return {Kind::Blank};
    if (line.front() == ';') return {Kind::Other};
    if (line.front() == '[') {
        const auto close = line.find(']');
        if (close != std::string_view::npos) return {Kind::Section, trimBlanks(line.substr(1, close - 1))};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return {Kind::Other};
    return {Kind::Key, trimBlanks(line.substr(0, equals)), line.substr(equals + 1)};
}

std::string_view valueText(std::string_view rawValue) {
    std::string_view value = trimBlanks(rawValue);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value.substr(0, IniDocument::kMaxValueLength);
}

// All of digits as one number of at most 32 bits; leading zeros are free.
std::optional<std::uint32_t> parseDigits(std::string_view digits, int base) {
    std::uint32_t number = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number, base);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return number;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    text = text.substr(std::min(text.find_first_not_of(kBlanks), text.size()));
    for (const std::string_view prefix : {"$", "0x", "0X", "x", "X"}) {
        if (!text.starts_with(prefix)) continue;
        const auto bits = parseDigits(text.substr(prefix.size()), 16);
        if (!bits) return std::nullopt;
        return static_cast<std::int32_t>(*bits);
    }
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    // from_chars takes no sign for an unsigned number, so "+-5" and "--5" fail here.
    const auto magnitude = parseDigits(text, 10);
    if (!magnitude) return std::nullopt;
    const std::int64_t value = negative ? -std::int64_t{*magnitude} : std::int64_t{*magnitude};
    if (!std::in_range<std::int32_t>(value)) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) {
        byteOrderMark_ = kUtf8ByteOrderMark;
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            lines_.emplace_back(text);
            lastLineEnded_ = false;
            break;
        }
        lines_.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
}

std::string IniDocument::readString(std::string_view section, std::string_view key, const std::string& fallback) const {
    const auto value = findValue(section, key);
    return value ? std::string(*value) : fallback;
}

std::int32_t IniDocument::readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
    const auto value = findValue(section, key);
    return value ? parseInteger(*value).value_or(fallback) : fallback;
}

bool IniDocument::readBoolean(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniDocument::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(value);
    const auto lines = findSection(section);
    if (!lines) {
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), std::move(line));
        return;
    }
    if (const auto existing = findKey(*lines, key)) {
        if (lines_[*existing].ends_with('\r')) line += '\r';  // the line keeps its CRLF end
        lines_[*existing] = std::move(line);
        return;
    }
    // After the section's content, ahead of the blank lines that set it off from the next one.
    std::size_t last = lines->header;
    for (std::size_t i = lines->header + 1; i < lines->end; ++i)
        if (classify(lines_[i]).kind != LineMeaning::Kind::Blank) last = i;
    insertLine(last + 1, std::move(line));
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    writeString(section, key, std::to_string(value));
}

void IniDocument::writeBoolean(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

std::string IniDocument::text() const {
    std::string text = byteOrderMark_;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i];
        if (i + 1 < lines_.size() || lastLineEnded_) text += '\n';
    }
    return text;
}

std::optional<IniDocument::SectionLines> IniDocument::findSection(std::string_view section) const {
    std::optional<SectionLines> found;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineMeaning line = classify(lines_[i]);
        if (line.kind != LineMeaning::Kind::Section) continue;
        if (found) {
            found->end = i;
            break;
        }
        if (equalIgnoringAsciiCase(line.name, section)) found = SectionLines{i, lines_.size()};
    }
    return found;
}

std::optional<std::size_t> IniDocument::findKey(const SectionLines& lines, std::string_view key) const {
    for (std::size_t i = lines.header + 1; i < lines.end; ++i) {
        const LineMeaning line = classify(lines_[i]);
        if (line.kind == LineMeaning::Kind::Key && equalIgnoringAsciiCase(line.name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::findValue(std::string_view section, std::string_view key) const {
    const auto lines = findSection(section);
    const auto at = lines ? findKey(*lines, key) : std::nullopt;
    if (!at) return std::nullopt;
    return valueText(classify(lines_[*at]).rawValue);
}

void IniDocument::insertLine(std::size_t at, std::string line) {
    // A line added after the last one ends in "\n"; the join puts one before it too, which
    // ends a last line that had none.
    if (at == lines_.size()) lastLineEnded_ = true;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

}  // namespace velmora
