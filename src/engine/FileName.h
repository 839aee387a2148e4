#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Where a file name's extension starts: its last "." when that comes after the last "/";
// npos for a name without one.
template <typename Char>
constexpr std::size_t extensionDot(std::basic_string_view<Char> fileName) {
    const auto slash = fileName.find_last_of(Char('/'));
    const auto dot = fileName.find_last_of(Char('.'));
    if (dot == fileName.npos || (slash != fileName.npos && dot < slash)) return fileName.npos;
    return dot;
}

// The extension without its ".", empty for a name without one.
inline std::string extensionOf(std::string_view fileName) {
    const auto dot = extensionDot(fileName);
    return dot == fileName.npos ? std::string() : std::string(fileName.substr(dot + 1));
}

}  // namespace velmora
