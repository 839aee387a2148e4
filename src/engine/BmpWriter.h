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

// The same file written straight to an open descriptor, such as standard output, which cannot
// be replaced atomically: a failure part way leaves what was written so far. A failed write
// raises failureMessage with the system's reason; rows read from a source file that changed
// meanwhile raise FileChangedError after the last byte.
void writeBmpToDescriptor(const BmpImage& image, int fd, const std::string& failureMessage);

}  // namespace velmora
