#pragma once

#include <cstdint>
#include <span>

#include "engine/ByteSource.h"
#include "engine/PictureSize.h"

namespace velmora {

// Size of a JPEG file, read from its headers without decoding a pixel. The file is read a
// few KiB at a time up to the first scan; markers it does not need are skipped, not read.
// Throws EngineError "JPEG error #N" with libjpeg's error number when the headers cannot be
// read, and the source's own error when reading it fails.
PictureSize readJpegSize(const ByteSource& file);
PictureSize readJpegSize(std::span<const std::uint8_t> file);

}  // namespace velmora
