#include "support/GifBuilder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

namespace velmora::test {

namespace {

void check(int result, const char* what) {
    if (result == GIF_ERROR) throw std::runtime_error(std::string("giflib could not write the ") + what);
}

struct ColorMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColorMap = std::unique_ptr<ColorMapObject, ColorMapDeleter>;

ColorMap colorMap(const std::vector<std::uint32_t>& colors) {
    if (colors.empty()) return nullptr;
    std::size_t count = 2;
    while (count < colors.size()) count *= 2;
    std::vector<GifColorType> entries(count, GifColorType{0, 0, 0});
    std::transform(colors.begin(), colors.end(), entries.begin(), [](std::uint32_t c) {
        return GifColorType{static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                            static_cast<GifByteType>(c)};
    });
    ColorMap map(GifMakeMapObject(static_cast<int>(count), entries.data()));
    if (!map) throw std::runtime_error("giflib could not make a colour map");
    return map;
}

int appendToBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto& out = *static_cast<Bytes*>(gif->UserData);
    out.insert(out.end(), data, data + length);
    return length;
}

// Rows in the order the file stores them: four passes when interlaced.
std::vector<int> rowOrder(int height, bool interlaced) {
    using Pass = std::array<int, 2>;  // first row, step
    const std::vector<Pass> passes =
        interlaced ? std::vector<Pass>{{0, 8}, {4, 8}, {2, 4}, {1, 2}} : std::vector<Pass>{{0, 1}};
    std::vector<int> rows;
    for (const auto& [first, step] : passes) {
        for (int y = first; y < height; y += step) rows.push_back(y);
    }
    return rows;
}

void putFrame(GifFileType* gif, const GifFrameRecipe& frame) {
    for (const GifExtension& extension : frame.extensions) {
        check(EGifPutExtension(gif, extension.label, static_cast<int>(extension.data.size()), extension.data.data()),
              "extension");
    }
    const ColorMap local = colorMap(frame.localColors);
    // giflib 5.2 forgets, without freeing it, the copy it keeps of the previous frame's local
    // table when a frame has none; freeing it here keeps the sanitizer build free of leaks.
    if (!local && gif->Image.ColorMap != nullptr) {
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    check(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced, local.get()),
          "image descriptor");
    Bytes row(static_cast<std::size_t>(frame.width));
    for (int y : rowOrder(frame.height, frame.interlaced)) {
        const auto start = frame.indices.begin() + static_cast<std::ptrdiff_t>(y) * frame.width;
        std::copy(start, start + frame.width, row.begin());
        check(EGifPutLine(gif, row.data(), frame.width), "pixels");
    }
}

}  // namespace

GifExtension graphicControl(int disposal, int delay, std::optional<int> transparentIndex) {
    const auto packed = static_cast<std::uint8_t>((disposal & 0x07) << 2 | (transparentIndex ? 1 : 0));
    return {GRAPHICS_EXT_FUNC_CODE,
            {packed, static_cast<std::uint8_t>(delay), static_cast<std::uint8_t>(delay >> 8),
             static_cast<std::uint8_t>(transparentIndex.value_or(0))}};
}

Bytes buildGif(const GifRecipe& recipe) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendToBytes, &error);
    if (gif == nullptr) throw std::runtime_error("giflib could not start a file");
    try {
        EGifSetGifVersion(gif, true);
        const ColorMap global = colorMap(recipe.globalColors);
        check(EGifPutScreenDesc(gif, recipe.width, recipe.height, 8, recipe.backgroundIndex, global.get()), "screen");
        for (const GifFrameRecipe& frame : recipe.frames) putFrame(gif, frame);
    } catch (...) {
        EGifCloseFile(gif, &error);
        throw;
    }
    check(EGifCloseFile(gif, &error), "trailer");
    std::copy(recipe.signature.begin(), recipe.signature.end(), out.begin());
    return out;
}

}  // namespace velmora::test
