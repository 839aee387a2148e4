// The main window's skin: a friendly white washing machine, 223 x 299 (times the scale), on
// the key colour RGB (0, 128, 128) that marks everything outside its outline. At scale 2 every
// pixel outside the 1× outline is a 2 x 2 block of key colour, and nothing else is.
#pragma once

#include "raster.h"

const Pixel8 kSkinKey{0, 128, 128, 255};

Raster drawSkin(int scale);
