// Turns drawn true-colour pictures into small animated GIFs for the drum window.
#pragma once

#include "render.h"

#include <string>
#include <vector>

struct GifFrame {
    Picture picture;
    int delayCs = 10;  // hundredths of a second, as GIF counts them
};

// Writes a GIF89a with one colour table shared by all frames (index 0 is the transparent one).
// Each frame after the first stores only the rectangle that changed, with unchanged pixels
// transparent, and leaves the previous frame in place; that keeps a tumbling drum well under
// the size of full frames. Throws std::runtime_error when giflib refuses.
void writeGif(const std::string& path, const std::vector<GifFrame>& frames, bool loop);
