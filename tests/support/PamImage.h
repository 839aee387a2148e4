#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::test {

// A picture in netpbm's PAM form (P7), the plain form the reference renderings are kept in so
// that tests read them without an image library. Samples are kept as stored (up to 16 bits),
// pixel by pixel, rows from the top.
struct PamImage {
    int width = 0;
    int height = 0;
    int depth = 0;  // samples a pixel: 3 (red, green, blue) or 4 (with alpha last)
    unsigned maxValue = 0;
    std::vector<std::uint16_t> samples{};

    bool hasAlpha() const { return depth == 4; }
    unsigned sample(int x, int y, int channel) const {
        return samples[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) *
                           static_cast<std::size_t>(depth) +
                       static_cast<std::size_t>(channel)];
    }
};

// Throws std::runtime_error for a file that is missing, cut short or not an RGB(A) PAM.
PamImage readPam(const std::string& path);

}  // namespace velmora::test
