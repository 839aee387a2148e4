#pragma once

#include <algorithm>
#include <string_view>

namespace velmora {

// Case folding of the letters A to Z only, the same in every locale: the names the program
// compares without regard to case (extensions, settings keys, colour names, GIF signatures)
// are ASCII, and nothing outside that range may fold.
template <typename Char>
constexpr Char lowerAscii(Char c) {
    return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

template <typename Char>
constexpr bool equalIgnoringAsciiCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    return std::ranges::equal(a, b, [](Char x, Char y) { return lowerAscii(x) == lowerAscii(y); });
}

constexpr bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return equalIgnoringAsciiCase<char>(a, b);
}

}  // namespace velmora
