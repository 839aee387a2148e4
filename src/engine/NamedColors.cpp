#include "engine/NamedColors.h"

#include <algorithm>
#include <cctype>

namespace velmora {

std::optional<ColorValue> standardColorNamed(std::string_view name) {
    auto sameName = [name](const NamedColor& c) {
        return std::ranges::equal(c.name, name, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    const auto it = std::ranges::find_if(kStandardColors, sameName);
    return it == kStandardColors.end() ? std::nullopt : std::optional<ColorValue>(it->value);
}

}  // namespace velmora
