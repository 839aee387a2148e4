// Finished pictures as bytes, the way the file writers take them, and the last steps that
// get a drawn picture there: rounding, laying it over a backdrop, keying out its surroundings.
#pragma once

#include "colour.h"
#include "render.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Pixel8 {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    bool sameColour(const Pixel8& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<Pixel8> pixels;  // row by row, top row first

    Raster(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h)) {}
    Pixel8& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Pixel8& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

std::uint8_t toByte(double channel);
Pixel8 toPixel(Rgb c, double alpha = 1);
Rgb toRgb(const Pixel8& p);

// Keeps each pixel's cover as its alpha, for pictures with their own transparency (PNG).
Raster withAlpha(const CoverPicture& picture);

// Lays the picture over a backdrop given pixel by pixel; the result is opaque.
Raster over(const CoverPicture& picture, const std::function<Rgb(int x, int y)>& backdrop);

// Every pixel outside the shape becomes the key colour. A pixel inside that happens to round
// to the key colour is moved one step off it, or a shape cut by its colour would get a hole.
void keyOut(Raster& raster, const std::function<bool(int x, int y)>& inShape, Pixel8 key);
