// The decode limits: what a run-length bitmap or a GIF may allocate is bounded by the size of
// its data, to the byte, for every reader, by the limits handed to that very call.
#include <gtest/gtest.h>

#include <limits>

#include "engine/CarrierPicture.h"
#include "engine/DecodeLimits.h"
#include "engine/EngineError.h"
#include "engine/GifDecoder.h"
#include "support/BmpBuilder.h"
#include "support/Expect.h"
#include "support/GifBuilder.h"

namespace velmora {
namespace {

using test::Bytes;

TEST(DecodeLimits, TheBudgetGrowsWithTheDataAndNeverWraps) {
    const DecodeLimits limits{.fixedBytes = 1000, .bytesPerFileByte = 3};
    EXPECT_EQ(limits.budgetFor(0), 1000u);
    EXPECT_EQ(limits.budgetFor(10), 1030u);
    EXPECT_EQ(limits.budgetFor(std::numeric_limits<std::uint64_t>::max() / 2), std::numeric_limits<std::uint64_t>::max());
    // The defaults keep a file under 1 MiB below 64 MiB of decoded pixels.
    EXPECT_LE(DecodeLimits{}.budgetFor(1u << 20), std::uint64_t{64} << 20);
}

// An RLE8 picture 16 pixels wide whose data is one end-of-picture mark: 2 bytes.
Bytes rleOfRows(std::int32_t rows) {
    test::BmpRecipe recipe;
    recipe.width = 16;
    recipe.rows = rows;
    recipe.bitsPerPixel = 8;
    recipe.compression = 1;
    recipe.pixelData = Bytes{0, 1};
    return test::buildBmp(recipe);
}

// The pictures the small limits refuse but the defaults allow show that the limits given to a
// load are the ones its run-length decode is held to, from disk and from memory alike.
TEST(DecodeLimits, RunLengthPicturesExpandToNoMoreThanTheBudget) {
    // 4096 + 2 x 2 bytes: 1025 pixels of 4 bytes, so 64 rows of 16 and not 65.
    const DecodeLimits small{.fixedBytes = 4096, .bytesPerFileByte = 2};
    const struct {
        std::int32_t rows;
        bool loadsWithSmallLimits;
        bool loadsWithDefaults;
    } cases[] = {{64, true, true}, {65, false, true}, {-64, true, true}, {-65, false, true}, {0x7FFFFFFF, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        test::TempDir dir;
        test::writeFile(dir.path("rle.bmp"), rleOfRows(c.rows));
        const struct {
            const char* name;
            DecodeLimits limits;
            bool loads;
        } tries[] = {{"small limits", small, c.loadsWithSmallLimits}, {"default limits", {}, c.loadsWithDefaults}};
        for (const auto& attempt : tries) {
            SCOPED_TRACE(attempt.name);
            for (const bool fromDisk : {true, false}) {
                SCOPED_TRACE(fromDisk ? "from disk" : "from memory");
                CarrierPicture picture;
                const auto load = [&] {
                    if (fromDisk) picture.load(dir.path("rle.bmp"), attempt.limits);
                    else picture.load(PictureKind::Bitmap, [&] {
                        const Bytes bytes = rleOfRows(c.rows);
                        ByteBuffer buffer(bytes.size());
                        std::copy(bytes.begin(), bytes.end(), buffer.data());
                        return buffer;
                    }(), attempt.limits);
                };
                if (attempt.loads) {
                    load();
                    EXPECT_EQ(picture.height(), c.rows < 0 ? -c.rows : c.rows);
                } else {
                    EXPECT_THROW_MESSAGE(load(), EngineError, messages::kBitmapInvalid);
                }
            }
        }
    }
}

Bytes gifOfFrames(int frames, int width, int height) {
    test::GifRecipe recipe{.width = width, .height = height, .globalColors = {0x000000, 0xFFFFFF}};
    for (int i = 0; i < frames; ++i) {
        test::GifFrameRecipe frame;
        frame.width = width;
        frame.height = height;
        frame.indices = Bytes(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 1);
        recipe.frames.push_back(frame);
    }
    return test::buildGif(recipe);
}

// Every frame is charged its record and 4 bytes a pixel, so a flood of tiny frames is bounded
// as surely as one huge frame; the screen a player composes them on is charged 4 bytes a pixel
// too. The defaults take the 65 frames: it is the limits passed that refuse them.
TEST(DecodeLimits, GifFramesTogetherStayWithinTheBudget) {
    constexpr std::uint64_t kScreenCost = 4 * 4;                    // 2 x 2
    constexpr std::uint64_t kFrameCost = sizeof(GifFrame) + 4 * 4;  // a 2 x 2 frame
    const DecodeLimits limits{.fixedBytes = kScreenCost + 64 * kFrameCost, .bytesPerFileByte = 0};
    EXPECT_EQ(decodeGif(gifOfFrames(64, 2, 2), limits).frames.size(), 64u);
    EXPECT_THROW_MESSAGE(decodeGif(gifOfFrames(65, 2, 2), limits), EngineError, messages::kStreamReadError);
    EXPECT_EQ(decodeGif(gifOfFrames(65, 2, 2)).frames.size(), 65u);
}

// A frame whose descriptor says 0 x 0 covers the whole logical screen: with a screen of
// 65535 x 65535 that is 16 GiB, from a file of a few dozen bytes.
TEST(DecodeLimits, AScreenSizedFrameOfATinyGifIsRefusedWithTheDefaults) {
    Bytes file = gifOfFrames(1, 1, 1);
    constexpr std::size_t kScreenWidthAt = 6, kFrameWidthAt = 13 + 2 * 3 + 5;
    for (const std::size_t at : {kScreenWidthAt, kScreenWidthAt + 2}) file[at] = file[at + 1] = 0xFF;
    for (const std::size_t at : {kFrameWidthAt, kFrameWidthAt + 2}) file[at] = file[at + 1] = 0;
    EXPECT_THROW_MESSAGE(decodeGif(file), EngineError, messages::kStreamReadError);
}

// A 43-byte file with a 1 x 1 frame declared a 20000 x 20000 screen, and the drum's player
// took 1.6 GB to compose it: the screen counts against the limits before any frame.
TEST(DecodeLimits, AHugeScreenOfATinyGifIsRefusedWithTheDefaults) {
    constexpr std::size_t kScreenWidthAt = 6;
    for (const int side : {20000, 65535}) {
        Bytes file = gifOfFrames(1, 1, 1);
        for (const std::size_t at : {kScreenWidthAt, kScreenWidthAt + 2}) {
            file[at] = static_cast<std::uint8_t>(side);
            file[at + 1] = static_cast<std::uint8_t>(side >> 8);
        }
        SCOPED_TRACE(side);
        EXPECT_LT(file.size(), 64u);
        EXPECT_THROW_MESSAGE(decodeGif(file), EngineError, messages::kStreamReadError);
    }
    Bytes fits = gifOfFrames(1, 1, 1);
    fits[kScreenWidthAt] = fits[kScreenWidthAt + 2] = 200;  // 200 x 200 screen: well inside
    EXPECT_EQ(decodeGif(fits).width, 200);
}

}  // namespace
}  // namespace velmora
