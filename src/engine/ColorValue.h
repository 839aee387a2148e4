#pragma once

#include <cstdint>

namespace velmora {

// A colour as the program passes it around: 0x00BBGGRR, red in the lowest byte.
// Negative values name system colours (the user-interface element is the lowest byte).
using ColorValue = std::int32_t;

inline constexpr ColorValue kColorNone = 0x1FFFFFFF;      // "no colour"
inline constexpr ColorValue kNoColorSelected = 0x0FFFFFFF; // the colour picker's empty selection
inline constexpr ColorValue kMaxRgb = 0x00FFFFFF;

inline constexpr std::uint8_t redOf(std::uint32_t c) { return static_cast<std::uint8_t>(c); }
inline constexpr std::uint8_t greenOf(std::uint32_t c) { return static_cast<std::uint8_t>(c >> 8); }
inline constexpr std::uint8_t blueOf(std::uint32_t c) { return static_cast<std::uint8_t>(c >> 16); }
inline constexpr ColorValue rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<ColorValue>(r | (g << 8) | (b << 16));
}

}  // namespace velmora
