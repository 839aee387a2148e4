#pragma once

#include <QStringList>

#include <cstdint>

namespace velmora {

// A text file's contents with LF line ends: UTF-8 when the bytes are valid UTF-8 (as text
// files on this desktop are), otherwise the 8-bit code page. Raises the engine's error
// ("Cannot open file <name>") when it cannot be read or is longer than kLongestTextFile.
QString readTextFile(const QString& fileName);

// A thousand times the longest message a picture can carry.
inline constexpr std::uint64_t kLongestTextFile = std::uint64_t{32} << 20;

// Writes the lines as UTF-8, each followed by CR LF, replacing the file atomically. Raises
// "Cannot create file <name>" when it cannot be written.
void writeTextFile(const QString& fileName, const QStringList& lines);

}  // namespace velmora
