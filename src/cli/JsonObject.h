#pragma once

#include <cstdint>
#include <string>

namespace velmora::cli {

// One flat JSON object, built field by field in the order given, for output that scripts read.
class JsonObject {
public:
    JsonObject& add(const std::string& name, const std::string& value);
    JsonObject& add(const std::string& name, std::int64_t value);
    // The object on one line, without a line end.
    std::string text() const { return "{" + fields_ + "}"; }

private:
    void addName(const std::string& name);
    std::string fields_;
};

// A JSON string for any bytes: valid UTF-8 is kept, quotes, backslashes and control characters
// are escaped, and a byte that is not part of valid UTF-8 (a file name in another encoding)
// becomes U+FFFD, so the output is always valid JSON.
std::string jsonString(const std::string& bytes);

}  // namespace velmora::cli
