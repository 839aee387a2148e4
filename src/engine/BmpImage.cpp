#include "engine/BmpImage.h"

#include <bit>
#include <limits>

namespace velmora {

namespace {

struct Channel {
    unsigned shift;
    unsigned width;
};

Channel channelOf(std::uint32_t mask) {
    if (mask == 0) return {0, 0};
    return {static_cast<unsigned>(std::countr_zero(mask)), static_cast<unsigned>(std::popcount(mask))};
}

// A channel stored in fewer than 8 bits reads back with zeros below its top bits
// (5 bits of 31 read as 248); a wider one keeps its top 8 bits.
std::uint8_t widen(std::uint32_t pixel, Channel c) {
    if (c.width == 0) return 0;
    const std::uint32_t v = (pixel >> c.shift) & ((c.width >= 32 ? 0 : (1u << c.width)) - 1u);
    return static_cast<std::uint8_t>(c.width >= 8 ? v >> (c.width - 8) : v << (8 - c.width));
}

std::uint32_t narrow(std::uint8_t value, Channel c) {
    if (c.width == 0) return 0;
    const std::uint32_t v = c.width >= 8 ? static_cast<std::uint32_t>(value) << (c.width - 8) : value >> (8 - c.width);
    return v << c.shift;
}

ColorValue colorOfTableEntry(std::uint32_t entry) {
    return rgb(static_cast<std::uint8_t>(entry >> 16), static_cast<std::uint8_t>(entry >> 8),
               static_cast<std::uint8_t>(entry));
}

}  // namespace

ChannelMasks BmpImage::masks() const {
    if (declaredMasks) return *declaredMasks;
    if (bitsPerPixel == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

std::size_t BmpImage::fileRowOf(std::int32_t y) const {
    return static_cast<std::size_t>(topDown() ? y : rowCount() - 1 - y);
}

ColorValue BmpImage::readRgb(std::int32_t x, std::int32_t y) const {
    const std::uint8_t* row = rows.row(fileRowOf(y));
    const auto ux = static_cast<std::size_t>(x);
    switch (bitsPerPixel) {
    case 24: {
        const std::uint8_t* p = row + ux * 3;
        return rgb(p[2], p[1], p[0]);
    }
    case 16:
    case 32: {
        std::uint32_t pixel = 0;
        const std::size_t size = bitsPerPixel / 8;
        for (std::size_t i = 0; i < size; ++i) pixel |= static_cast<std::uint32_t>(row[ux * size + i]) << (8 * i);
        const ChannelMasks m = masks();
        return rgb(widen(pixel, channelOf(m.red)), widen(pixel, channelOf(m.green)), widen(pixel, channelOf(m.blue)));
    }
    default: {  // 1, 4 or 8 bits: an index into the colour table, first pixel in the top bits
        const unsigned bits = bitsPerPixel;
        const std::size_t bitPos = ux * bits;
        const unsigned shift = 8 - bits - static_cast<unsigned>(bitPos % 8);
        const std::size_t index = (row[bitPos / 8] >> shift) & ((1u << bits) - 1u);
        // An index past the table has no colour of its own; it reads as black.
        return index < colorTable.size() ? colorOfTableEntry(colorTable[index]) : 0;
    }
    }
}

std::size_t BmpImage::nearestTableEntry(ColorValue color) const {
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < colorTable.size() && bestDistance != 0; ++i) {
        const ColorValue entry = colorOfTableEntry(colorTable[i]);
        const int dr = redOf(entry) - redOf(color), dg = greenOf(entry) - greenOf(color),
                  db = blueOf(entry) - blueOf(color);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void BmpImage::writeRgb(std::int32_t x, std::int32_t y, ColorValue color) {
    std::uint8_t* row = rows.mutableRow(fileRowOf(y));
    const auto ux = static_cast<std::size_t>(x);
    switch (bitsPerPixel) {
    case 24: {
        std::uint8_t* p = row + ux * 3;
        p[0] = blueOf(color);
        p[1] = greenOf(color);
        p[2] = redOf(color);
        return;
    }
    case 16:
    case 32: {
        const ChannelMasks m = masks();
        const std::uint32_t pixel = narrow(redOf(color), channelOf(m.red)) |
                                    narrow(greenOf(color), channelOf(m.green)) |
                                    narrow(blueOf(color), channelOf(m.blue));
        const std::size_t size = bitsPerPixel / 8;
        for (std::size_t i = 0; i < size; ++i) row[ux * size + i] = static_cast<std::uint8_t>(pixel >> (8 * i));
        return;
    }
    default: {
        const unsigned bits = bitsPerPixel;
        const std::size_t bitPos = ux * bits;
        const unsigned shift = 8 - bits - static_cast<unsigned>(bitPos % 8);
        const auto mask = static_cast<std::uint8_t>(((1u << bits) - 1u) << shift);
        const auto index = static_cast<std::uint8_t>(nearestTableEntry(color) << shift);
        std::uint8_t& byte = row[bitPos / 8];
        byte = static_cast<std::uint8_t>((byte & ~mask) | (index & mask));
        return;
    }
    }
}

}  // namespace velmora
