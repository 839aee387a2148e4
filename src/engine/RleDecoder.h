#pragma once

#include <cstdint>
#include <span>

#include "engine/BmpImage.h"
#include "engine/DecodeLimits.h"

namespace velmora {

// Expands RLE8 (bitsPerRun 8) or RLE4 (bitsPerRun 4) data into 32-bit pixel rows in file
// order. Pixels the data never reaches (end-of-line, delta, early end) stay black; runs past
// the right edge or the last row are clipped. Raises "Bitmap image is not valid" for a picture
// larger than `limits` allow for data of this size. The limits have no default here: they
// are the bitmap reader's to pass on.
ByteBuffer expandRle(std::span<const std::uint8_t> data, unsigned bitsPerRun, std::int32_t width,
                     std::int32_t rows, std::span<const std::uint32_t> colorTable, DecodeLimits limits);

}  // namespace velmora
