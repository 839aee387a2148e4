#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/DecodeLimits.h"

namespace velmora {

// Colours are 0xRRGGBB. Pixels are 0xAARRGGBB, the layout of a 32-bit ARGB image row: alpha
// 255, or a see-through pixel that is 0 in every channel (valid premultiplied as well).
inline constexpr std::uint32_t kSeeThroughPixel = 0;
inline constexpr std::uint32_t kOpaqueAlpha = 0xFF000000;

// What becomes of a frame's rectangle once the frame after it is due. Values 4 to 7 are
// reserved by the format and kept as they are.
enum class GifDisposal : std::uint8_t { Unspecified = 0, LeaveInPlace = 1, RestoreBackground = 2, RestorePrevious = 3 };

struct GifFrame {
    // The rectangle on the logical screen; a width or height of 0 in the file means the
    // screen's width or height.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // width * height pixels, row by row. Every pixel whose colour is the transparent colour is
    // see-through; indices past the colour table (or without one) are black.
    std::vector<std::uint32_t> pixels{};
    std::optional<std::uint32_t> transparentColor{};
    int delayMs = 0;
    GifDisposal disposal = GifDisposal::Unspecified;
};

struct GifPicture {
    int width = 0;  // logical screen
    int height = 0;
    // The global colour table's entry at the screen's background index, when it has one.
    std::optional<std::uint32_t> backgroundColor{};
    std::vector<GifFrame> frames{};  // in file order

    bool hasTransparency() const;
};

// Decodes a whole GIF file (GIF87a or GIF89a, signature letters in any case). Throws
// EngineError: "Unknown GIF version" for another signature, "Unrecognized extension block: xx"
// for an extension label other than graphic control, comment, plain text and application, and
// "Stream read error" for a file that ends early, damaged image data, or a logical screen and
// frames that together take more memory than `limits` allow for a file of this size. The loop count of an application
// extension is not kept: repetition is the player's choice.
GifPicture decodeGif(std::span<const std::uint8_t> file, DecodeLimits limits = {});

}  // namespace velmora
