#include "anim/FrameComposer.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// The part of a frame's rectangle that lies on the screen.
QRect onScreen(const GifFrame& frame, const QImage& bitmap) {
    return QRect(frame.left, frame.top, frame.width, frame.height).intersected(bitmap.rect());
}

bool coversScreen(const GifFrame& frame, const GifPicture& picture) {
    return frame.width == picture.width && frame.height == picture.height;
}

// Whether a frame covering the screen hides every frame before it: the frame shown is drawn
// last, so it does when opaque; an earlier one does when opaque and left in place, or when
// cleared to the fill. An earlier frame restored away (disposal 3, and the reserved 4 to 7,
// which are never drawn on the way) leaves what lay beneath it.
bool hidesEarlierFrames(const GifFrame& frame, const GifPicture& picture, bool shown) {
    if (!coversScreen(frame, picture)) return false;
    if (shown) return !frame.transparentColor;
    if (frame.disposal > GifDisposal::RestoreBackground) return false;
    return !frame.transparentColor || frame.disposal == GifDisposal::RestoreBackground;
}

}  // namespace

void FrameComposer::reset() {
    bitmap_ = QImage();
    index_ = -1;
    key_.reset();
}

const QImage& FrameComposer::compose(const GifPicture& picture, int index, std::uint32_t windowRgb) {
    const int count = static_cast<int>(picture.frames.size());
    if (count == 0 || picture.width < 1 || picture.height < 1) {
        reset();
        return bitmap_;
    }
    const int k = std::clamp(index, 0, count - 1);
    if (k == index_) return bitmap_;  // a repaint of the same frame shows the same bitmap
    const int previous = k - 1;
    if (index_ >= 0 && index_ == previous && picture.frames[previous].disposal != GifDisposal::RestorePrevious) {
        if (picture.frames[previous].disposal == GifDisposal::RestoreBackground) fill(picture.frames[previous]);
    } else {
        rebuild(picture, k, windowRgb);
        if (bitmap_.isNull()) return bitmap_;  // no memory for a screen this large: nothing to show
    }
    draw(picture.frames[k]);
    index_ = k;
    return bitmap_;
}

// Everything up to, not including, frame k, from the last frame that hides all before it.
void FrameComposer::rebuild(const GifPicture& picture, int k, std::uint32_t windowRgb) {
    reset();
    bitmap_ = QImage(picture.width, picture.height, QImage::Format_ARGB32_Premultiplied);
    if (bitmap_.isNull()) return;
    key_ = picture.frames.front().transparentColor;
    if (key_) {
        fill_ = kSeeThroughPixel;
    } else if (picture.backgroundColor && picture.hasTransparency()) {
        fill_ = kOpaqueAlpha | *picture.backgroundColor;
    } else {
        fill_ = kOpaqueAlpha | (windowRgb & kRgbMask);
    }
    bitmap_.fill(fill_);

    int start = k;
    while (start > 0 && !hidesEarlierFrames(picture.frames[start], picture, start == k)) --start;
    for (int i = start; i < k; ++i) {
        const GifFrame& frame = picture.frames[i];
        if (frame.disposal < GifDisposal::RestoreBackground) {
            draw(frame);
        } else if (frame.disposal == GifDisposal::RestoreBackground && i > start) {
            fill(frame);
        }
    }
}

// Copies the frame's pixels, leaving out its see-through ones; with a key colour, pixels of
// that colour become see-through as well.
void FrameComposer::draw(const GifFrame& frame) {
    const QRect area = onScreen(frame, bitmap_);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::uint32_t* source =
            frame.pixels.data() + static_cast<std::size_t>(y - frame.top) * static_cast<std::size_t>(frame.width) +
            (area.left() - frame.left);
        auto* target = reinterpret_cast<std::uint32_t*>(bitmap_.scanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x) {
            const std::uint32_t pixel = source[x];
            if (pixel == kSeeThroughPixel) continue;
            target[x] = key_ && (pixel & kRgbMask) == *key_ ? kSeeThroughPixel : pixel;
        }
    }
}

void FrameComposer::fill(const GifFrame& frame) {
    const QRect area = onScreen(frame, bitmap_);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bitmap_.scanLine(y)) + area.left();
        std::fill_n(row, area.width(), fill_);
    }
}

}  // namespace velmora
