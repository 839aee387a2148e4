#pragma once

#include <QString>

#include <functional>

namespace velmora {

// ".bmp" at the end of the file-name part, letters A to Z in either case.
bool hasBmpExtension(const QString& fileName);

// The first free numbered name beside the source: stem + infix + n + extension for
// n = 1, 2, ..., where the extension (dot included, letter case kept) starts at the last "."
// of the file-name part. cat.bmp gives cat_New_1.bmp, then cat_New_2.bmp.
QString numberedOutputName(const QString& source, const QString& infix,
                           const std::function<bool(const QString&)>& exists);

}  // namespace velmora
