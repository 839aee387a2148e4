#pragma once

#include <QImage>

#include <cstdint>
#include <optional>

#include "engine/GifDecoder.h"

namespace velmora {

// Composes the frames of a GIF picture onto a bitmap of its logical screen, following their
// disposal methods. The last composition is kept: stepping on to the next frame draws only
// that frame over it, and only a jump (another frame, a restart, a new picture) builds the
// bitmap again from the last frame that hides everything before it.
//
// The bitmap is premultiplied ARGB. When the picture's first frame has a transparent colour,
// that colour is the key: the fill and every pixel of the key colour are see-through, so
// whatever lies beneath shows.
class FrameComposer {
public:
    // Forgets the kept composition; needed whenever the picture is replaced.
    void reset();

    // The bitmap showing frame `index` (lowered to the last frame) of `picture`. windowRgb
    // (0xRRGGBB) fills it when the picture has neither a key colour nor, with transparency, a
    // background colour. A picture without frames or without a screen gives a null image.
    const QImage& compose(const GifPicture& picture, int index, std::uint32_t windowRgb);

private:
    void rebuild(const GifPicture& picture, int index, std::uint32_t windowRgb);
    void draw(const GifFrame& frame);
    void fill(const GifFrame& frame);

    QImage bitmap_;
    int index_ = -1;
    std::optional<std::uint32_t> key_;
    std::uint32_t fill_ = kSeeThroughPixel;  // the pixel the bitmap was built with
};

}  // namespace velmora
