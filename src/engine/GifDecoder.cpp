#include "engine/GifDecoder.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include <gif_lib.h>

#include "engine/EngineError.h"
#include "engine/GifStream.h"

namespace velmora {
namespace {

// The bytes of a graphic control extension's data block that a frame takes.
struct GraphicControl {
    std::uint8_t packed = 0;
    int delay = 0;  // hundredths of a second
    std::uint8_t transparentIndex = 0;
};
constexpr int kGraphicControlLength = 4;
constexpr std::uint8_t kTransparencyFlag = 0x01;

struct Pass {
    int firstRow;
    int step;
};
constexpr std::array<Pass, 1> kSequentialRows{{{0, 1}}};
constexpr std::array<Pass, 4> kInterlacedRows{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};

void check(int giflibResult) {
    if (giflibResult == GIF_ERROR) throw EngineError(messages::kStreamReadError);
}

bool isKnownExtension(int label) {
    return label == GRAPHICS_EXT_FUNC_CODE || label == COMMENT_EXT_FUNC_CODE || label == PLAINTEXT_EXT_FUNC_CODE ||
           label == APPLICATION_EXT_FUNC_CODE;
}

std::string unrecognizedExtension(int label) {
    char text[48];
    std::snprintf(text, sizeof text, "Unrecognized extension block: %.2x", static_cast<unsigned>(label));
    return text;
}

std::uint32_t rgbOf(const GifColorType& c) {
    return static_cast<std::uint32_t>(c.Red) << 16 | static_cast<std::uint32_t>(c.Green) << 8 | c.Blue;
}

std::optional<std::uint32_t> entryOf(const ColorMapObject* table, int index) {
    if (table == nullptr || index < 0 || index >= table->ColorCount) return std::nullopt;
    return rgbOf(table->Colors[index]);
}

// The pixel every colour index stands for in a frame.
using PixelLookup = std::array<std::uint32_t, 256>;

PixelLookup pixelLookup(const ColorMapObject* table, std::optional<std::uint32_t> transparent) {
    PixelLookup lookup{};
    for (int index = 0; index < static_cast<int>(lookup.size()); ++index) {
        const std::uint32_t colour = entryOf(table, index).value_or(0);
        lookup[static_cast<std::size_t>(index)] = colour == transparent ? kSeeThroughPixel : kOpaqueAlpha | colour;
    }
    return lookup;
}

class Decoder {
public:
    Decoder(std::span<const std::uint8_t> file, DecodeLimits limits)
        : stream_(file), gif_(stream_.gif()), byteBudget_(limits.budgetFor(file.size())) {
        picture_.width = gif_.SWidth;
        picture_.height = gif_.SHeight;
        picture_.backgroundColor = entryOf(gif_.SColorMap, gif_.SBackGroundColor);
        // A player composes the frames on a bitmap of the whole screen: a few bytes may declare
        // a screen of 65535 x 65535, so the screen is charged like a frame.
        charge(std::uint64_t{static_cast<unsigned>(picture_.width)} * static_cast<unsigned>(picture_.height) *
               sizeof(std::uint32_t));
    }

    GifPicture decode() {
        // A file that stops after a whole record lacks only its trailer, which writers often drop.
        while (stream_.remaining() > 0) {
            GifRecordType type = UNDEFINED_RECORD_TYPE;
            check(DGifGetRecordType(&gif_, &type));
            if (type == TERMINATE_RECORD_TYPE) break;
            if (type == EXTENSION_RECORD_TYPE) {
                readExtension();
            } else {
                readFrame();
            }
        }
        return std::move(picture_);
    }

private:
    void readExtension() {
        int label = 0;
        GifByteType* block = nullptr;
        check(DGifGetExtension(&gif_, &label, &block));
        if (!isKnownExtension(label)) throw EngineError(unrecognizedExtension(label));
        // block[0] is the data block's length; a shorter graphic control carries nothing usable.
        if (label == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= kGraphicControlLength) {
            controls_.push_back({block[1], block[2] | block[3] << 8, block[4]});
        }
        while (block != nullptr) check(DGifGetExtensionNext(&gif_, &block));
    }

    void readFrame() {
        check(DGifGetImageDesc(&gif_));
        const GifImageDesc& descriptor = gif_.Image;
        const ColorMapObject* table = descriptor.ColorMap != nullptr ? descriptor.ColorMap : gif_.SColorMap;

        GifFrame frame;
        frame.left = descriptor.Left;
        frame.top = descriptor.Top;
        frame.width = descriptor.Width != 0 ? descriptor.Width : picture_.width;
        frame.height = descriptor.Height != 0 ? descriptor.Height : picture_.height;
        takeControls(frame, table);

        // Every frame, its pixels and its own record, is charged before it is allocated, so
        // neither huge frames nor a flood of tiny ones outgrow the decode limits.
        const auto pixelCount = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
        charge(sizeof(GifFrame) + std::uint64_t{pixelCount} * sizeof(std::uint32_t));

        // A frame of zero size holds no pixels of its own: its screen-sized rectangle shows
        // colour index 0, the value a fresh bitmap starts with.
        const PixelLookup lookup = pixelLookup(table, frame.transparentColor);
        frame.pixels.assign(pixelCount, lookup[0]);
        if (descriptor.Width == 0 || descriptor.Height == 0) {
            skipImageData();
        } else {
            readPixels(frame, lookup, descriptor.Interlace);
        }
        picture_.frames.push_back(std::move(frame));
    }

    void charge(std::uint64_t bytes) {
        if (bytes > byteBudget_) throw EngineError(messages::kStreamReadError);
        byteBudget_ -= bytes;
    }

    // The graphic control extensions since the previous frame, in file order.
    void takeControls(GifFrame& frame, const ColorMapObject* table) {
        for (const GraphicControl& control : controls_) {
            if ((control.packed & kTransparencyFlag) == 0) {
                frame.transparentColor.reset();
            } else if (const auto colour = entryOf(table, control.transparentIndex)) {
                frame.transparentColor = colour;
            }
            frame.delayMs = std::max(frame.delayMs, control.delay * 10);
            frame.disposal = static_cast<GifDisposal>((control.packed >> 2) & 0x07);
        }
        controls_.clear();
    }

    void readPixels(GifFrame& frame, const PixelLookup& lookup, bool interlaced) {
        const std::span<const Pass> passes =
            interlaced ? std::span<const Pass>(kInterlacedRows) : std::span<const Pass>(kSequentialRows);
        std::vector<GifPixelType> indices(static_cast<std::size_t>(frame.width));
        for (const Pass& pass : passes) {
            for (int y = pass.firstRow; y < frame.height; y += pass.step) {
                check(DGifGetLine(&gif_, indices.data(), frame.width));
                const auto row = frame.pixels.begin() + static_cast<std::ptrdiff_t>(y) * frame.width;
                std::transform(indices.begin(), indices.end(), row, [&](GifPixelType index) { return lookup[index]; });
            }
        }
    }

    void skipImageData() {
        int codeSize = 0;
        GifByteType* block = nullptr;
        check(DGifGetCode(&gif_, &codeSize, &block));
        while (block != nullptr) check(DGifGetCodeNext(&gif_, &block));
    }

    GifStream stream_;
    GifFileType& gif_;
    std::uint64_t byteBudget_;
    GifPicture picture_;
    std::vector<GraphicControl> controls_;
};

}  // namespace

bool GifPicture::hasTransparency() const {
    return std::any_of(frames.begin(), frames.end(), [](const GifFrame& f) { return f.transparentColor.has_value(); });
}

GifPicture decodeGif(std::span<const std::uint8_t> file, DecodeLimits limits) {
    return Decoder(file, limits).decode();
}

}  // namespace velmora
