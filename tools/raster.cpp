#include "raster.h"

#include <algorithm>
#include <cmath>

std::uint8_t toByte(double channel) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0, 1.0) * 255.0));
}

Pixel8 toPixel(Rgb c, double alpha) { return {toByte(c.r), toByte(c.g), toByte(c.b), toByte(alpha)}; }

Rgb toRgb(const Pixel8& p) { return fromBytes(p.r, p.g, p.b); }

Raster withAlpha(const CoverPicture& picture) {
    Raster raster(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.at(x, y);
            // Fully clear pixels carry no colour, so equal pictures give equal files.
            raster.at(x, y) = toByte(p.alpha) == 0 ? Pixel8{0, 0, 0, 0} : toPixel(p.colour, p.alpha);
        }
    return raster;
}

Raster over(const CoverPicture& picture, const std::function<Rgb(int x, int y)>& backdrop) {
    Raster raster(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.at(x, y);
            raster.at(x, y) = toPixel(mix(backdrop(x, y), p.colour, p.alpha));
        }
    return raster;
}

void keyOut(Raster& raster, const std::function<bool(int x, int y)>& inShape, Pixel8 key) {
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x) {
            Pixel8& p = raster.at(x, y);
            if (!inShape(x, y))
                p = key;
            else if (p.sameColour(key))
                p.b = p.b > 0 ? p.b - 1 : 1;
        }
}
