// The main window's skin: a friendly white washing machine, 223 x 299, on the key colour
// RGB (0, 128, 128) that marks everything outside its outline.
#pragma once

#include "raster.h"

const Pixel8 kSkinKey{0, 128, 128, 255};

Raster drawSkin();
