#pragma once

#include <QString>

namespace velmora {

// The text with a zero-width space wherever a line may break that a label would not break
// by itself: after each "/" of a path, and every kLongestRun characters of a run with no
// space or break. A label that wraps words then wraps a long path too instead of growing past
// the screen's edge; the text reads the same.
QString breakableText(const QString& text);

inline constexpr int kLongestRun = 32;

}  // namespace velmora
