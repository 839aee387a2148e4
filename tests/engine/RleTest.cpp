// Run-length compressed bitmaps expand to 32 bits per pixel and keep their colour table.
#include <gtest/gtest.h>

#include "engine/CarrierPicture.h"
#include "support/BmpBuilder.h"

namespace velmora {
namespace {

using test::Bytes;

// Four colours, 0x00RRGGBB: black, red, green, blue.
const std::vector<std::uint32_t> kTable = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
const ColorValue kBlack = 0, kRed = rgb(255, 0, 0), kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255);

struct RleCase {
    const char* name;
    std::uint16_t bits;
    std::int32_t width;
    std::int32_t rows;
    Bytes data;
    std::vector<std::vector<ColorValue>> expectedTopDown;  // rows as displayed
};

std::vector<ColorValue> rowOf(const CarrierPicture& p, std::int32_t y) {
    std::vector<ColorValue> row;
    for (std::int32_t x = 0; x < p.width(); ++x) row.push_back(p.readPixel(x, y));
    return row;
}

TEST(Rle, ExpandsRunsLiteralsDeltasAndLineEnds) {
    const std::vector<RleCase> cases = {
        // RLE8, bottom-up: row 0 of the data is the last row displayed.
        {"rle8 runs and literal", 8, 4, 2,
         {0, 3, 1, 1, 3, /* pad */ 0, 1, 2, /* end of line */ 0, 0, 4, 3, /* end */ 0, 1},
         {{kBlue, kBlue, kBlue, kBlue}, {kRed, kRed, kBlue, kGreen}}},
        {"rle8 delta and early end", 8, 4, 3,
         {1, 1, 0, 2, 2, 1, 1, 2, 0, 1},
         {{kBlack, kBlack, kBlack, kBlack}, {kBlack, kBlack, kBlack, kGreen}, {kRed, kBlack, kBlack, kBlack}}},
        {"rle8 clips a run past the edge", 8, 2, 1, {5, 3, 0, 1}, {{kBlue, kBlue}}},
        {"rle8 index past the table reads black", 8, 2, 1, {2, 9, 0, 1}, {{kBlack, kBlack}}},
        // RLE4: two nibbles alternate in a run; a literal of 3 pixels takes 2 bytes.
        {"rle4 runs and literal", 4, 5, 1, {4, 0x12, 0, 1}, {{kRed, kGreen, kRed, kGreen, kBlack}}},
        {"rle4 literal", 4, 3, 1, {0, 3, 0x31, 0x20, 0, 1}, {{kBlue, kRed, kGreen}}},
        {"no end mark", 8, 2, 1, {1, 2}, {{kGreen, kBlack}}},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::BmpRecipe recipe;
        recipe.width = c.width;
        recipe.rows = c.rows;
        recipe.bitsPerPixel = c.bits;
        recipe.compression = c.bits == 8 ? 1 : 2;
        recipe.colorTable = kTable;
        recipe.pixelData = c.data;
        test::writeFile(dir.path("rle.bmp"), test::buildBmp(recipe));
        CarrierPicture picture;
        picture.load(dir.path("rle.bmp"));
        ASSERT_EQ(picture.bitmap()->bitsPerPixel, 32);
        EXPECT_EQ(picture.bitmap()->colorTable, kTable);
        for (std::int32_t y = 0; y < c.rows; ++y) EXPECT_EQ(rowOf(picture, y), c.expectedTopDown[y]) << "row " << y;
    }
}

TEST(Rle, SavesUncompressedAt32BitsWithTheTableAfterTheHeader) {
    test::TempDir dir;
    test::BmpRecipe recipe;
    recipe.width = 2;
    recipe.rows = 1;
    recipe.bitsPerPixel = 8;
    recipe.compression = 1;
    recipe.colorTable = kTable;
    recipe.pixelData = Bytes{2, 1, 0, 1};
    test::writeFile(dir.path("rle.bmp"), test::buildBmp(recipe));
    CarrierPicture picture;
    picture.load(dir.path("rle.bmp"));
    picture.save(dir.path("out.bmp"));

    const Bytes saved = test::readFile(dir.path("out.bmp"));
    const Bytes expected = {
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 70, 0, 0, 0,            // file header: 14 + 40 + 16 + 8
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 32, 0,          // size, width, height, planes, bits
        0, 0, 0, 0, 8, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, // no compression, image size, resolution
        4, 0, 0, 0, 0, 0, 0, 0,                                     // four table entries
        0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0,   // the table, blue green red zero
        0, 0, 0xFF, 0, 0, 0, 0xFF, 0,                               // two red pixels
    };
    EXPECT_EQ(saved, expected);
}

}  // namespace
}  // namespace velmora
