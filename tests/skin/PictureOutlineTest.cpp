// The outline of a picture: one rectangle per run of opaque pixels per row, rows with the same
// runs merged, exactly as a region keeps them.
#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>

#include <cstring>
#include <vector>

#include "skin/PictureOutline.h"

namespace velmora {
namespace {

constexpr QRgb kKey = 0xFF008080;  // RGB (0, 128, 128)

// A picture from rows of characters: '.' is the key colour, 'a' and 'b' two other colours,
// 'k' the key colour with another alpha (still the key colour), 'n' one step of blue away.
QImage picture(const std::vector<const char*>& rows, QImage::Format format = QImage::Format_ARGB32) {
    QImage image(static_cast<int>(std::strlen(rows[0])), static_cast<int>(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            switch (rows[y][x]) {
            case '.': image.setPixel(x, y, kKey); break;
            case 'a': image.setPixel(x, y, 0xFFE0E1E6); break;
            case 'b': image.setPixel(x, y, 0xFF102030); break;
            case 'k': image.setPixel(x, y, 0x40008080); break;
            case 'n': image.setPixel(x, y, 0xFF008081); break;
            }
        }
    return image.convertToFormat(format);
}

std::vector<QRect> regionRects(const QRegion& region) { return {region.begin(), region.end()}; }

// Worked out by hand: rows 1 and 2 share their two runs, row 3 is one run, row 4 stops at the
// key colour with another alpha, row 5 keeps a pixel one step of blue away from the key, row 6
// is empty, and rows 7 and 8 repeat row 1's runs without joining them across the gap.
const std::vector<const char*> kFixture = {
    "........",  // 0
    ".aa..bb.",  // 1
    ".aa..bb.",  // 2
    ".abbbba.",  // 3
    "...bkb..",  // 4
    "a......n",  // 5
    "........",  // 6
    ".aa..bb.",  // 7
    ".ba..ab.",  // 8
};
const std::vector<QRect> kFixtureOutline = {
    {1, 1, 2, 2}, {5, 1, 2, 2},  // rows 1-2
    {1, 3, 6, 1},                // row 3
    {3, 4, 1, 1}, {5, 4, 1, 1},  // row 4
    {0, 5, 1, 1}, {7, 5, 1, 1},  // row 5
    {1, 7, 2, 2}, {5, 7, 2, 2},  // rows 7-8
};

TEST(PictureOutline, RunsOfOpaquePixelsRowByRowWithEqualRowsMerged) {
    EXPECT_EQ(outlineRects(picture(kFixture), kKey), kFixtureOutline);
}

TEST(PictureOutline, TheRegionHoldsExactlyTheseRectangles) {
    const QRegion region = outlineRegion(picture(kFixture), kKey);
    EXPECT_EQ(regionRects(region), kFixtureOutline);
    EXPECT_EQ(region.boundingRect(), QRect(0, 1, 8, 8));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(4, 4)));  // the key colour with another alpha is a hole
    EXPECT_TRUE(region.contains(QPoint(7, 5)));
}

TEST(PictureOutline, EveryPixelFormatGivesTheSameOutline) {
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_ARGB32_Premultiplied}) {
        const std::vector<const char*> opaque = {"........", ".aa..bb.", ".abbbba.", "a......n"};
        EXPECT_EQ(outlineRects(picture(opaque, format), kKey),
                  (std::vector<QRect>{{1, 1, 2, 1}, {5, 1, 2, 1}, {1, 2, 6, 1}, {0, 3, 1, 1}, {7, 3, 1, 1}}))
            << format;
    }
}

TEST(PictureOutline, NoPictureOrNoOpaquePixelGivesNoOutline) {
    EXPECT_TRUE(outlineRects(QImage(), kKey).empty());
    EXPECT_TRUE(outlineRegion(QImage(), kKey).isEmpty());
    EXPECT_TRUE(outlineRegion(picture({"...", ".k.", "..."}), kKey).isEmpty());
    EXPECT_EQ(regionRects(outlineRegion(picture({"aaa", "aaa"}), kKey)), std::vector<QRect>{QRect(0, 0, 3, 2)});
}

}  // namespace
}  // namespace velmora
