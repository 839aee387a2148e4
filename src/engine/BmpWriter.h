#pragma once

#include <string>

#include "engine/BmpImage.h"

namespace velmora {

// Writes the image as an uncompressed BMP file, whatever the name's extension: file header;
// the 40-byte information header (or the 12-byte core header for a picture loaded with one);
// the masks when the picture has bit fields; the colour table; the rows in the loaded order.
// The file is replaced atomically; failure raises "Cannot create file <name>". A picture whose
// file would pass 4 GiB, which the header cannot describe, is refused before anything is
// written.
void writeBmp(const BmpImage& image, const std::string& fileName);

}  // namespace velmora
