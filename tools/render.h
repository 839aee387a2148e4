// Turns a picture described point by point into pixels by averaging a grid of samples in each.
#pragma once

#include "colour.h"
#include "geometry.h"

#include <functional>
#include <optional>
#include <vector>

// Pixels without a colour stay transparent, so whatever lies below shows through them.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::optional<Rgb>> pixels;  // row by row
};

using Shader = std::function<std::optional<Rgb>(V2)>;

// A pixel is opaque when most of its samples are, and then takes the mean of those samples
// only, so an outline stays hard against the transparent colour (which has nothing to blend
// with) while everything inside it is smooth.
Picture render(int width, int height, int grid, const Shader& shade);

// Pixels with partial cover, for pictures that are laid over an unknown background with
// their alpha (icons) or blended over a known one (button faces).
struct CoverPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;  // row by row

    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

using CoverShader = std::function<Rgba(V2)>;

// Averages the samples weighted by their cover, so a pixel half covered by red keeps pure
// red at half alpha instead of turning dark.
CoverPicture renderCover(int width, int height, int grid, const CoverShader& shade);

// The same picture for a screen of `scale` times the pixel density: width × scale by
// height × scale pixels, each with its own grid of samples, while the shader still takes the
// coordinates of the picture at 1×. So the picture is drawn anew, sharper, not enlarged.
CoverPicture renderCoverScaled(int width, int height, int scale, int grid, const CoverShader& shade);
