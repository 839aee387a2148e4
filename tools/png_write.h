// PNG files with a full alpha channel (8-bit RGBA), for the program icon, the menu pictures
// and the dialog buttons' pictures. The image data is stored in uncompressed deflate blocks,
// which every PNG reader accepts, so no compression library is needed; at these sizes the
// files stay small anyway.
#pragma once

#include "raster.h"

#include <string>

// Throws std::runtime_error when the file cannot be written.
void writePng(const std::string& path, const Raster& raster);
