#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "engine/ColorValue.h"
#include "engine/PixelRows.h"

namespace velmora {

// Red, green and blue bit-field masks of a 16- or 32-bit bitmap.
struct ChannelMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    friend bool operator==(const ChannelMasks&, const ChannelMasks&) = default;
};

// A decoded BMP picture kept in the form its file had, so that saving writes back what was
// loaded: the header form, the bit depth, the colour table, the masks, the row order and the
// pixel rows exactly as stored (each padded to 4 bytes).
class BmpImage {
public:
    std::int32_t width = 0;
    std::int32_t height = 0;  // as stored: negative for top-down rows
    std::uint16_t bitsPerPixel = 0;
    bool coreHeader = false;  // the 12-byte header form
    std::int32_t xPixelsPerMeter = 0;
    std::int32_t yPixelsPerMeter = 0;
    std::vector<std::uint32_t> colorTable;  // entries as stored: 0x00RRGGBB
    std::optional<ChannelMasks> declaredMasks;

    PixelRows rows;  // in file order

    std::int32_t rowCount() const { return height < 0 ? -height : height; }
    bool topDown() const { return height < 0; }
    static std::size_t strideFor(std::int32_t width, unsigned bitsPerPixel) {
        return ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
    }
    std::size_t stride() const { return strideFor(width, bitsPerPixel); }
    std::size_t pixelBytes() const { return stride() * static_cast<std::size_t>(rowCount()); }

    // Pixel access by display position ((0, 0) is the top-left corner); x and y must be inside.
    ColorValue readRgb(std::int32_t x, std::int32_t y) const;
    void writeRgb(std::int32_t x, std::int32_t y, ColorValue rgb);

    // The masks in effect: the declared ones, or the defaults of the bit depth (5-5-5, 8-8-8).
    ChannelMasks masks() const;

private:
    std::size_t fileRowOf(std::int32_t y) const;
    std::size_t nearestTableEntry(ColorValue rgb) const;
};

}  // namespace velmora
