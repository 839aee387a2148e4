#pragma once

#include <span>
#include <string>

#include "engine/ByteBuffer.h"

namespace velmora {

// Reads a whole regular file; anything else (missing, unreadable, a folder, a device)
// raises "Cannot open file <name>".
ByteBuffer readWholeFile(const std::string& fileName);

// Writes the pieces, in order, as the new contents of fileName. The bytes go to a temporary
// file in the same folder, which then replaces the target in one rename, so a failed save
// leaves the old file exactly as it was. A symbolic link is followed: its target is replaced.
// Any failure raises "Cannot create file <name>".
void writeFileAtomically(const std::string& fileName, std::span<const std::span<const std::uint8_t>> pieces);

}  // namespace velmora
