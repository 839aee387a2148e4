// GIF decoding: screen, background, frames through their colour tables, the graphic control
// rules, see-through pixels, extension labels, signatures and damaged files.
#include "engine/GifDecoder.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/EngineError.h"
#include "support/Expect.h"
#include "support/GifBuilder.h"

namespace velmora {
namespace {

using test::Bytes;
using test::GifFrameRecipe;
using test::GifRecipe;
using test::graphicControl;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& cell) {
    return cell.param.name;
}

std::uint32_t opaque(std::uint32_t rgb) { return kOpaqueAlpha | rgb; }

std::vector<std::uint32_t> opaquePixels(const Bytes& indices, const std::vector<std::uint32_t>& table) {
    std::vector<std::uint32_t> pixels;
    for (std::uint8_t index : indices) pixels.push_back(opaque(table.at(index)));
    return pixels;
}

Bytes decreasingIndices(int count, int colours) {
    Bytes indices;
    for (int i = count - 1; i >= 0; --i) indices.push_back(static_cast<std::uint8_t>(i % colours));
    return indices;
}

GifFrameRecipe frameOf(int width, int height, Bytes indices) {
    GifFrameRecipe frame;
    frame.width = width;
    frame.height = height;
    frame.indices = std::move(indices);
    return frame;
}

// A one-pixel file on a two-colour global table with the given extensions before its frame.
GifRecipe onePixel(std::vector<test::GifExtension> extensions = {}) {
    GifRecipe recipe{.globalColors = {kRed, kGreen}};
    recipe.frames.push_back(frameOf(1, 1, {1}));
    recipe.frames.back().extensions = std::move(extensions);
    return recipe;
}

// Where a file of one frame, no extensions and a two-entry global table has its frame's width.
constexpr std::size_t kImageDescriptorAt = 13 + 2 * 3;
constexpr std::size_t kFrameWidthAt = kImageDescriptorAt + 5;

Bytes withU16At(Bytes file, std::size_t at, std::uint16_t value) {
    file.at(at) = static_cast<std::uint8_t>(value);
    file.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
    return file;
}

TEST(GifDecoder, ReadsScreenAndFramesThroughTheirOwnColourTable) {
    const std::vector<std::uint32_t> global{kRed, kGreen};
    const std::vector<std::uint32_t> local{kBlue, kWhite, kRed, kGreen};
    GifRecipe recipe{.width = 6, .height = 12, .globalColors = global};
    recipe.frames = {frameOf(2, 2, {0, 1, 1, 0}), frameOf(3, 2, decreasingIndices(6, 4)),
                     frameOf(2, 11, decreasingIndices(22, 4))};
    recipe.frames[1].left = 3;
    recipe.frames[1].top = 1;
    recipe.frames[1].localColors = local;
    recipe.frames[2].localColors = local;
    recipe.frames[2].interlaced = true;

    const GifPicture picture = decodeGif(test::buildGif(recipe));

    EXPECT_EQ(picture.width, 6);
    EXPECT_EQ(picture.height, 12);
    ASSERT_EQ(picture.frames.size(), recipe.frames.size());
    for (std::size_t i = 0; i < recipe.frames.size(); ++i) {
        SCOPED_TRACE(i);
        const GifFrame& frame = picture.frames[i];
        const GifFrameRecipe& written = recipe.frames[i];
        EXPECT_EQ(frame.left, written.left);
        EXPECT_EQ(frame.top, written.top);
        EXPECT_EQ(frame.width, written.width);
        EXPECT_EQ(frame.height, written.height);
        EXPECT_EQ(frame.pixels, opaquePixels(written.indices, written.localColors.empty() ? global : local));
    }
}

// Every row its own colour, so a row stored in one pass and put in another's place shows; the
// heights cover frames that end in each of the four passes.
TEST(GifDecoder, InterlacedRowsLandInTheirPlaces) {
    std::vector<std::uint32_t> table;
    for (std::uint32_t i = 0; i < 32; ++i) table.push_back(i << 19 | (31 - i) << 3);
    for (int height = 1; height <= 17; ++height) {
        SCOPED_TRACE(height);
        Bytes indices;
        for (int y = 0; y < height; ++y) indices.insert(indices.end(), 3, static_cast<std::uint8_t>(y));
        GifRecipe recipe{.width = 3, .height = height, .globalColors = table};
        recipe.frames = {frameOf(3, height, indices)};
        recipe.frames[0].interlaced = true;
        const GifPicture picture = decodeGif(test::buildGif(recipe));
        ASSERT_EQ(picture.frames.size(), 1u);
        EXPECT_EQ(picture.frames[0].pixels, opaquePixels(indices, table));
    }
}

TEST(GifDecoder, BackgroundColourIsTheGlobalEntryAtTheBackgroundIndex) {
    struct Case {
        std::string name;
        std::vector<std::uint32_t> global;
        int backgroundIndex;
        std::optional<std::uint32_t> expected;
    };
    const std::vector<Case> cases{
        {"inside the table", {kRed, kGreen, kBlue}, 2, kBlue},
        {"past the table", {kRed, kGreen}, 2, std::nullopt},
        {"no global table", {}, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GifRecipe recipe{.globalColors = c.global, .backgroundIndex = c.backgroundIndex};
        recipe.frames.push_back(frameOf(1, 1, {0}));
        recipe.frames.back().localColors = {kWhite};
        EXPECT_EQ(decodeGif(test::buildGif(recipe)).backgroundColor, c.expected);
    }
}

struct ControlCase {
    std::string name;
    std::vector<test::GifExtension> controls;
    std::optional<std::uint32_t> transparent;
    int delayMs;
    GifDisposal disposal;
};

void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.name; }

class GifGraphicControl : public testing::TestWithParam<ControlCase> {};

// The extensions before a frame decide its transparent colour, delay and disposal; the frame
// after it, which has none, gets none of that.
TEST_P(GifGraphicControl, AppliesTheExtensionsBeforeAFrameInFileOrder) {
    const ControlCase& c = GetParam();
    GifRecipe recipe = onePixel(c.controls);
    recipe.frames.push_back(frameOf(1, 1, {0}));

    const GifPicture picture = decodeGif(test::buildGif(recipe));

    ASSERT_EQ(picture.frames.size(), 2u);
    EXPECT_EQ(picture.frames[0].transparentColor, c.transparent);
    EXPECT_EQ(picture.frames[0].delayMs, c.delayMs);
    EXPECT_EQ(picture.frames[0].disposal, c.disposal);
    EXPECT_EQ(picture.frames[1].transparentColor, std::nullopt);
    EXPECT_EQ(picture.frames[1].delayMs, 0);
    EXPECT_EQ(picture.frames[1].disposal, GifDisposal::Unspecified);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GifGraphicControl,
    testing::Values(
        ControlCase{"none", {}, std::nullopt, 0, GifDisposal::Unspecified},
        ControlCase{"transparent_index", {graphicControl(2, 5, 1)}, kGreen, 50, GifDisposal::RestoreBackground},
        ControlCase{"flag_cleared_later", {graphicControl(0, 0, 1), graphicControl(1, 0)}, std::nullopt, 0,
                    GifDisposal::LeaveInPlace},
        ControlCase{"index_past_table_keeps_earlier",
                    {graphicControl(0, 0, 0), graphicControl(3, 0, 2)}, kRed, 0, GifDisposal::RestorePrevious},
        ControlCase{"index_past_table_alone", {graphicControl(0, 0, 7)}, std::nullopt, 0, GifDisposal::Unspecified},
        ControlCase{"largest_delay", {graphicControl(0, 3), graphicControl(0, 700), graphicControl(1, 2)}, std::nullopt,
                    7000, GifDisposal::LeaveInPlace},
        ControlCase{"reserved_disposal_kept", {graphicControl(6, 0)}, std::nullopt, 0, static_cast<GifDisposal>(6)}),
    caseName<ControlCase>);

TEST(GifDecoder, PixelsOfTheTransparentColourAreSeeThroughWhateverTheirIndex) {
    // Entries 0 and 2 share the transparent colour. The second frame's two-entry table is
    // stored with two-bit codes, so its indices 2 and 3 lie past the table.
    GifRecipe recipe{.width = 4, .globalColors = {kRed, kGreen, kRed, kBlue}};
    recipe.frames = {frameOf(4, 1, {0, 1, 2, 3}), frameOf(4, 1, {0, 1, 2, 3})};
    recipe.frames[0].extensions = {graphicControl(0, 0, 2)};
    recipe.frames[1].localColors = {kBlue, kWhite};

    const GifPicture picture = decodeGif(test::buildGif(recipe));

    ASSERT_EQ(picture.frames.size(), 2u);
    EXPECT_TRUE(picture.hasTransparency());
    EXPECT_EQ(picture.frames[0].pixels,
              (std::vector<std::uint32_t>{kSeeThroughPixel, opaque(kGreen), kSeeThroughPixel, opaque(kBlue)}));
    EXPECT_EQ(picture.frames[1].pixels,
              (std::vector<std::uint32_t>{opaque(kBlue), opaque(kWhite), opaque(0), opaque(0)}));
    recipe.frames[0].extensions.clear();
    EXPECT_FALSE(decodeGif(test::buildGif(recipe)).hasTransparency());
}

TEST(GifDecoder, AZeroWidthOrHeightTakesTheScreensAndShowsColourIndexZero) {
    struct Case {
        std::string name;
        std::uint16_t width;
        std::uint16_t height;
        int expectedWidth;
        int expectedHeight;
    };
    const std::vector<Case> cases{
        {"zero width", 0, 2, 7, 2},
        {"zero height", 3, 0, 3, 4},
        {"both zero", 0, 0, 7, 4},
    };
    GifRecipe recipe = onePixel();
    recipe.width = 7;
    recipe.height = 4;
    const Bytes file = test::buildGif(recipe);
    ASSERT_EQ(file.at(kImageDescriptorAt), ',');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GifPicture picture = decodeGif(withU16At(withU16At(file, kFrameWidthAt, c.width), kFrameWidthAt + 2, c.height));
        ASSERT_EQ(picture.frames.size(), 1u);
        EXPECT_EQ(picture.frames[0].width, c.expectedWidth);
        EXPECT_EQ(picture.frames[0].height, c.expectedHeight);
        EXPECT_EQ(picture.frames[0].pixels,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(c.expectedWidth * c.expectedHeight), opaque(kRed)));
    }
}

TEST(GifDecoder, AcceptsTheFourExtensionLabelsAndNamesAnyOtherInHex) {
    struct Case {
        int label;
        std::string error;  // empty: the file decodes
    };
    const std::vector<Case> cases{
        {0xF9, ""},
        {0xFE, ""},
        {0x01, ""},
        {0xFF, ""},
        {0x3B, "Unrecognized extension block: 3b"},
        {0x2C, "Unrecognized extension block: 2c"},
        {0xF8, "Unrecognized extension block: f8"},
        {0xFA, "Unrecognized extension block: fa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Bytes file = test::buildGif(onePixel({{c.label, {1, 2, 3, 4}}}));
        if (c.error.empty()) {
            EXPECT_EQ(decodeGif(file).frames.size(), 1u);
        } else {
            EXPECT_THROW_MESSAGE(decodeGif(file), EngineError, c.error);
        }
    }
}

TEST(GifDecoder, KnowsBothVersionsInAnyCaseAndNothingElse) {
    struct Case {
        std::string signature;
        bool known;
    };
    const std::vector<Case> cases{{"GIF87a", true}, {"gif89A", true}, {"gIf87A", true}, {"GIF88a", false},
                                  {"GIF89b", false}, {"JIF89a", false}, {"GIF 9a", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.signature);
        GifRecipe recipe = onePixel();
        recipe.signature = c.signature;
        if (c.known) {
            EXPECT_EQ(decodeGif(test::buildGif(recipe)).frames.size(), 1u);
        } else {
            EXPECT_THROW_MESSAGE(decodeGif(test::buildGif(recipe)), EngineError, messages::kUnknownGifVersion);
        }
    }
}

// A two-frame file with a comment: what the damage cases below cut or alter.
Bytes twoFrames() {
    GifRecipe recipe{.width = 4, .height = 4, .globalColors = {kRed, kGreen}};
    recipe.frames = {frameOf(4, 4, decreasingIndices(16, 2)), frameOf(2, 2, {1, 0, 0, 1})};
    recipe.frames[1].extensions = {{COMMENT_EXT_FUNC_CODE, {'h', 'i'}}, graphicControl(1, 10)};
    return test::buildGif(recipe);
}

TEST(GifDecoder, DamagedFilesEndInStreamReadError) {
    const Bytes whole = twoFrames();
    const std::size_t firstImageData = kImageDescriptorAt + 10;
    struct Case {
        std::string name;
        Bytes file;
    };
    const Bytes comment{0x21, COMMENT_EXT_FUNC_CODE};
    const auto commentAt = std::search(whole.begin(), whole.end(), comment.begin(), comment.end());
    Bytes unknownRecord = whole;
    unknownRecord.back() = 0x00;  // where the trailer was
    const std::vector<Case> cases{
        {"cut in the screen", Bytes(whole.begin(), whole.begin() + 9)},
        {"cut in the first image data", Bytes(whole.begin(), whole.begin() + firstImageData + 3)},
        {"cut in the second frame's extensions", Bytes(whole.begin(), commentAt + 3)},
        {"unknown record", unknownRecord},
        {"frame larger than the file could encode", withU16At(withU16At(whole, kFrameWidthAt, 65535), kFrameWidthAt + 2, 65535)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW_MESSAGE(decodeGif(c.file), EngineError, messages::kStreamReadError);
    }
}

TEST(GifDecoder, AFileWithoutItsTrailerKeepsEveryWholeFrame) {
    const Bytes whole = twoFrames();
    const GifPicture picture = decodeGif(Bytes(whole.begin(), whole.end() - 1));
    ASSERT_EQ(picture.frames.size(), 2u);
    EXPECT_EQ(picture.frames[1].delayMs, 100);
}

}  // namespace
}  // namespace velmora
