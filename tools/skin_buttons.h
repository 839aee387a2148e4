// The faces of the four buttons on the skin's control panel, each drawn to sit exactly on its
// place in the skin. A face's top-left pixel holds the key colour, which marks every pixel
// outside the button's round (or pill) outline; the pressed face has the same outline.
#pragma once

#include "raster.h"

#include <string>
#include <vector>

const Pixel8 kButtonKey{224, 225, 230, 255};
// The minimise glyph is laid over its face with this colour, in its bottom-left pixel, left out.
const Pixel8 kGlyphKey{255, 0, 255, 255};

struct NamedRaster {
    std::string name;
    Raster raster;
};

// hide_up, hide_down, extract_up, extract_down, exit_up, exit_down, minimize_up and
// minimize_glyph, at 1× or sharper at scale 2 (the key-coloured area then exactly doubled).
// The skin, drawn at the same scale, is where the faces' soft edges are blended into.
std::vector<NamedRaster> drawSkinButtons(const Raster& skin, int scale);
