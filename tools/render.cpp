#include "render.h"

Picture render(int width, int height, int grid, const Shader& shade) {
    Picture picture{width, height, {}};
    picture.pixels.reserve(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgb sum;
            int hits = 0;
            for (int sy = 0; sy < grid; ++sy)
                for (int sx = 0; sx < grid; ++sx)
                    if (auto c = shade({x + (sx + 0.5) / grid, y + (sy + 0.5) / grid})) sum = sum + *c, ++hits;
            if (hits * 2 > grid * grid)
                picture.pixels.push_back(sum * (1.0 / hits));
            else
                picture.pixels.push_back(std::nullopt);
        }
    return picture;
}

CoverPicture renderCover(int width, int height, int grid, const CoverShader& shade) {
    CoverPicture picture{width, height, {}};
    picture.pixels.reserve(static_cast<std::size_t>(width * height));
    const double samples = grid * grid;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgb weighted;
            double cover = 0;
            for (int sy = 0; sy < grid; ++sy)
                for (int sx = 0; sx < grid; ++sx) {
                    Rgba s = shade({x + (sx + 0.5) / grid, y + (sy + 0.5) / grid});
                    weighted = weighted + s.colour * s.alpha;
                    cover += s.alpha;
                }
            picture.pixels.push_back(cover > 0 ? Rgba{weighted * (1 / cover), cover / samples} : Rgba{});
        }
    return picture;
}

CoverPicture renderCoverScaled(int width, int height, int scale, int grid, const CoverShader& shade) {
    const double unit = 1.0 / scale;
    return renderCover(width * scale, height * scale, grid, [&](V2 p) { return shade(p * unit); });
}
