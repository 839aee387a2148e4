// The language packs' menu pictures: small flags, 16 x 16 with the flag in rows 2 to 13.
// The rows above and below hold the key colour, which the bottom-left pixel carries, so a
// menu that leaves that colour out shows just the flag.
#pragma once

#include "raster.h"

const Pixel8 kFlagKey{255, 0, 255, 255};

Raster drawEnglishFlag();
Raster drawRussianFlag();
