// Turns drawn true-colour pictures into small animated GIFs for the drum window.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// Pixels without a colour stay transparent, so the machine's skin shows through them.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::optional<Rgb>> pixels;  // row by row
};

struct GifFrame {
    Picture picture;
    int delayCs = 10;  // hundredths of a second, as GIF counts them
};

// Writes a GIF89a with one colour table shared by all frames (index 0 is the transparent one).
// Each frame after the first stores only the rectangle that changed, with unchanged pixels
// transparent, and leaves the previous frame in place; that keeps a tumbling drum well under
// the size of full frames. Throws std::runtime_error when giflib refuses.
void writeGif(const std::string& path, const std::vector<GifFrame>& frames, bool loop);
