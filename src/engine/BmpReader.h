#pragma once

#include <string>

#include "engine/BmpImage.h"
#include "engine/DecodeLimits.h"

namespace velmora {

// Decodes a BMP file held in memory. Either header form is read: the 12-byte core header or
// an information header of 40 bytes or more (its first 40 bytes are used). Accepted are 1, 4,
// 8, 16, 24 and 32 bits per pixel, bit fields for 16 and 32, and RLE8/RLE4, which are expanded
// to 32 bits per pixel keeping the colour table, within `limits`. Every size is checked against
// the file's length before anything is allocated.

// From a file in memory; the buffer becomes the image's rows.
BmpImage readBmp(ByteBuffer file, DecodeLimits limits = {});

// From a file on disk: only the headers are read now; the rows are read when first used
// (run-length data is read and expanded at once). Raises "Cannot open file <name>" when the
// file cannot be opened.
BmpImage readBmpFile(const std::string& fileName, DecodeLimits limits = {});

}  // namespace velmora
