#pragma once

#include <QStringView>

#include <string_view>

namespace velmora {

// A Qt string seen as the standard library's UTF-16 view, for the engine's text helpers.
inline std::u16string_view utf16View(QStringView text) { return {text.utf16(), static_cast<std::size_t>(text.size())}; }

}  // namespace velmora
