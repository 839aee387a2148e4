#pragma once

#include "support/BmpBuilder.h"

namespace velmora::test {

// A real grey JPEG of the given size, made by libjpeg's own compressor.
Bytes buildJpeg(int width, int height);

}  // namespace velmora::test
