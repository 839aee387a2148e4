// Windows bitmaps as the program loads its skin and button faces: 24 bits per pixel, the
// 40-byte info header, rows bottom-up and padded to four bytes. Alpha is not stored.
#pragma once

#include "raster.h"

#include <string>

// Throws std::runtime_error when the file cannot be written.
void writeBmp(const std::string& path, const Raster& raster);
