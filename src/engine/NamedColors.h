#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/ColorValue.h"

namespace velmora {

struct NamedColor {
    std::string_view name;
    ColorValue value;
};

// The standard colours the base-colour picker offers, in its order.
inline constexpr std::array<NamedColor, 20> kStandardColors = {{
    {"Black", 0x000000},  {"Maroon", 0x000080},     {"Green", 0x008000},   {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},     {"Teal", 0x808000},    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},        {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF},    {"Aqua", 0xFFFF00},    {"White", 0xFFFFFF},
    {"MoneyGreen", 0xC0DCC0}, {"SkyBlue", 0xF0CAA6}, {"Cream", 0xF0FBFF}, {"MedGray", 0xA4A0A0},
}};

// The standard colour with this name, letter case ignored.
std::optional<ColorValue> standardColorNamed(std::string_view name);

}  // namespace velmora
