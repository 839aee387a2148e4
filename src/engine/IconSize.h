#pragma once

#include <cstdint>
#include <span>

#include "engine/PictureSize.h"

namespace velmora {

// Size of the first image of a Windows icon (.ico) file; a stored 0 stands for 256.
// Throws EngineError "Icon image is not valid" for a bad directory or image data outside the
// file, and "Stream read error" when the directory itself is cut short.
PictureSize readIconSize(std::span<const std::uint8_t> file);

}  // namespace velmora
