#pragma once

#include <cstdint>
#include <span>

#include "engine/ByteSource.h"
#include "engine/PictureSize.h"

namespace velmora {

// Size in pixels of a Windows metafile, recognised by its contents rather than its extension:
// EMF from its bounds, placeable WMF from its bounding box at 96 dpi, and a plain WMF, which
// declares no size, as 0 x 0. Only the first header is read.
// Throws EngineError "Metafile is not valid" for anything else or a size that does not fit,
// and "Stream read error" when a header is cut short.
PictureSize readMetafileSize(const ByteSource& file);
PictureSize readMetafileSize(std::span<const std::uint8_t> file);

}  // namespace velmora
