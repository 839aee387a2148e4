#include "support/PamImage.h"

#include <sstream>
#include <stdexcept>
#include <string_view>

#include "support/BmpBuilder.h"

namespace velmora::test {

namespace {

constexpr std::string_view kEndOfHeader = "ENDHDR\n";

[[noreturn]] void unreadable(const std::string& path, const std::string& why) {
    throw std::runtime_error("cannot read PAM " + path + ": " + why);
}

}  // namespace

PamImage readPam(const std::string& path) {
    const Bytes file = readFile(path);
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    const std::size_t headerEnd = text.find(kEndOfHeader);
    if (!text.starts_with("P7\n") || headerEnd == std::string_view::npos) unreadable(path, "no P7 header");

    PamImage image;
    std::istringstream header{std::string(text.substr(3, headerEnd - 3))};
    for (std::string key; header >> key;) {
        if (key.starts_with("#")) {
            std::getline(header, key);
        } else if (key == "WIDTH") {
            header >> image.width;
        } else if (key == "HEIGHT") {
            header >> image.height;
        } else if (key == "DEPTH") {
            header >> image.depth;
        } else if (key == "MAXVAL") {
            header >> image.maxValue;
        } else if (key == "TUPLTYPE") {
            std::getline(header, key);
        } else {
            unreadable(path, "unknown header field " + key);
        }
    }
    if (image.width <= 0 || image.height <= 0 || (image.depth != 3 && image.depth != 4) || image.maxValue == 0 ||
        image.maxValue > 0xFFFF) {
        unreadable(path, "unsupported size, depth or maximum");
    }

    const std::size_t bytesPerSample = image.maxValue > 0xFF ? 2 : 1;
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) *
                              static_cast<std::size_t>(image.depth);
    const std::size_t start = headerEnd + kEndOfHeader.size();
    if (file.size() - start != count * bytesPerSample) unreadable(path, "wrong amount of pixel data");
    image.samples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* s = file.data() + start + i * bytesPerSample;
        image.samples[i] = static_cast<std::uint16_t>(bytesPerSample == 2 ? (s[0] << 8 | s[1]) : s[0]);  // big-endian
    }
    return image;
}

}  // namespace velmora::test
