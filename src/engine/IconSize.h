#pragma once

#include <cstdint>
#include <span>

#include "engine/ByteSource.h"
#include "engine/PictureSize.h"

namespace velmora {

// Size of the first image of a Windows icon (.ico) file; a stored 0 stands for 256. Only the
// header and the directory are read; the images are checked against the file's length.
// Throws EngineError "Icon image is not valid" for a bad directory or image data outside the
// file, and "Stream read error" when the directory itself is cut short.
PictureSize readIconSize(const ByteSource& file);
PictureSize readIconSize(std::span<const std::uint8_t> file);

}  // namespace velmora
