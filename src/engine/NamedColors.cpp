#include "engine/NamedColors.h"

#include <algorithm>

#include "engine/AsciiCase.h"

namespace velmora {

std::optional<ColorValue> standardColorNamed(std::string_view name) {
    auto sameName = [name](const NamedColor& c) { return equalIgnoringAsciiCase(c.name, name); };
    const auto it = std::ranges::find_if(kStandardColors, sameName);
    return it == kStandardColors.end() ? std::nullopt : std::optional<ColorValue>(it->value);
}

}  // namespace velmora
