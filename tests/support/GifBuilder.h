#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/BmpBuilder.h"

namespace velmora::test {

// One extension block written before a frame: its label and a single data sub-block.
struct GifExtension {
    int label = 0;
    Bytes data{};
};

// A graphic control extension: disposal method, delay in hundredths of a second and, when
// given, the transparent colour index (with the transparency flag set).
GifExtension graphicControl(int disposal, int delay, std::optional<int> transparentIndex = std::nullopt);

struct GifFrameRecipe {
    int left = 0;
    int top = 0;
    int width = 1;
    int height = 1;
    Bytes indices{};                        // width * height colour indices, row by row
    std::vector<std::uint32_t> localColors{}; // 0xRRGGBB; empty: the frame uses the global table
    bool interlaced = false;
    std::vector<GifExtension> extensions{}; // written before the frame's image descriptor
};

// Colour tables are padded with black to a power of two entries (at least 2), as the format
// stores them.
struct GifRecipe {
    std::string signature = "GIF89a";
    int width = 1;  // logical screen
    int height = 1;
    std::vector<std::uint32_t> globalColors{};  // empty: no global table
    int backgroundIndex = 0;
    std::vector<GifFrameRecipe> frames{};
};

// Encodes the file with giflib's encoder; the signature is written as given.
Bytes buildGif(const GifRecipe& recipe);

}  // namespace velmora::test
