#include "cli/JsonObject.h"

#include <cstdio>

namespace velmora::cli {

namespace {

// The length of the valid UTF-8 sequence at offset, or 0 when it is not one (overlong forms,
// surrogates and code points past U+10FFFF included).
std::size_t utf8Length(const std::string& s, std::size_t offset) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[offset + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (offset + length > s.size()) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

}  // namespace

std::string jsonString(const std::string& bytes) {
    std::string json = "\"";
    for (std::size_t i = 0; i < bytes.size();) {
        const char c = bytes[i];
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\t') {
            json += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            json += escaped;
        } else if (const std::size_t length = utf8Length(bytes, i); length > 0) {
            json.append(bytes, i, length);
            i += length;
            continue;
        } else {
            json += "\\ufffd";
        }
        ++i;
    }
    return json + "\"";
}

void JsonObject::addName(const std::string& name) {
    if (!fields_.empty()) fields_ += ",";
    fields_ += jsonString(name) + ":";
}

JsonObject& JsonObject::add(const std::string& name, const std::string& value) {
    addName(name);
    fields_ += jsonString(value);
    return *this;
}

JsonObject& JsonObject::add(const std::string& name, std::int64_t value) {
    addName(name);
    fields_ += std::to_string(value);
    return *this;
}

}  // namespace velmora::cli
