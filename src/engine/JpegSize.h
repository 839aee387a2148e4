#pragma once

#include <cstdint>
#include <span>

#include "engine/PictureSize.h"

namespace velmora {

// Size of a JPEG file, read from its headers without decoding a pixel.
// Throws EngineError "JPEG error #N" with libjpeg's error number when the headers cannot be read.
PictureSize readJpegSize(std::span<const std::uint8_t> file);

}  // namespace velmora
