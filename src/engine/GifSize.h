#pragma once

#include <cstdint>
#include <span>

#include "engine/ByteSource.h"
#include "engine/PictureSize.h"

namespace velmora {

// Size of the logical screen of a GIF file (GIF87a or GIF89a, signature letters in any case),
// read from the file's first bytes only: header, screen descriptor and global colour table.
// Throws EngineError "Unknown GIF version" for another signature and "Stream read error" when
// the file ends inside its screen descriptor or global colour table.
PictureSize readGifSize(const ByteSource& file);
PictureSize readGifSize(std::span<const std::uint8_t> file);

}  // namespace velmora
