// The skin and the knobs give the main window and its buttons their shapes: the outlines
// their pictures yield by the run rule must be the ones the window is laid out for.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "AssetPictures.h"

namespace velmora::assets {
namespace {

const QRgb kSkinKey = qRgb(0, 128, 128);
const QRgb kButtonKey = qRgb(224, 225, 230);

// One run per row, keyed by the row.
std::map<int, PixelRun> rowsOf(const std::vector<PixelRun>& runs) {
    std::map<int, PixelRun> rows;
    for (const PixelRun& run : runs)
        EXPECT_TRUE(rows.emplace(run.y, run).second) << "a second run (a hole) in row " << run.y;
    return rows;
}

TEST(SkinShape, IsA24BitBottomUpBmpOnTheKeyColour) {
    const BmpLayout layout = readBmpLayout("look/skin.bmp");
    EXPECT_EQ(layout.pixelOffset, 54u);
    EXPECT_EQ(layout.infoSize, 40u);
    EXPECT_EQ(layout.width, 223);
    EXPECT_EQ(layout.height, 299);
    EXPECT_EQ(layout.bitsPerPixel, 24);
    EXPECT_EQ(layout.compression, 0u);
    const QImage skin = loadAsset("look/skin.bmp");
    EXPECT_EQ(skin.pixel(0, 298) & 0xffffff,
              kSkinKey & 0xffffff);                               // the bottom-left pixel names the transparent colour
    EXPECT_EQ(skin.pixel(0, 0) & 0xffffff, kSkinKey & 0xffffff);  // the top-left corner lies outside
}

TEST(SkinShape, OutlineIsTheMachinesFiftyOneRectangles) {
    const QImage skin = loadAsset("look/skin.bmp");
    const std::vector<PixelRun> runs = opaqueRuns(skin, skin.pixel(0, skin.height() - 1) | 0xff000000);
    const QRegion region = regionOf(runs);
    EXPECT_EQ(region.rectCount(), 51);
    EXPECT_EQ(region.boundingRect(),
              QRect(QPoint(6, 4), QPoint(216, 289)));  // (6, 4)-(217, 290), right and bottom exclusive

    const std::map<int, PixelRun> rows = rowsOf(runs);
    ASSERT_EQ(rows.size(), 286u);  // rows 4 to 289, none missing
    EXPECT_EQ(rows.begin()->first, 4);
    EXPECT_EQ(rows.rbegin()->first, 289);
    EXPECT_EQ(rows.at(4).left, 60);
    EXPECT_EQ(rows.at(289).right, 193);
}

TEST(SkinShape, LeftEdgeFallsFromTheSlantedCornerAndThenStaysNearTheSide) {
    const QImage skin = loadAsset("look/skin.bmp");
    const std::map<int, PixelRun> rows = rowsOf(opaqueRuns(skin, kSkinKey));
    int y = 4;
    for (; rows.at(y).left > 10; ++y) EXPECT_LT(rows.at(y + 1).left, rows.at(y).left) << "row " << y + 1;
    EXPECT_GT(y, 4 + 10) << "the corner is slanted, not cut square";
    for (; y <= 289; ++y) {
        EXPECT_GE(rows.at(y).left, 6) << "row " << y;
        EXPECT_LE(rows.at(y).left, 10) << "row " << y;
    }
}

TEST(SkinShape, RightEdgeStaysOutUntilRow237AndThenSlantsIn) {
    const QImage skin = loadAsset("look/skin.bmp");
    const std::map<int, PixelRun> rows = rowsOf(opaqueRuns(skin, kSkinKey));
    for (int y = 4; y <= 237; ++y) {
        EXPECT_GE(rows.at(y).right, 215) << "row " << y;
        EXPECT_LE(rows.at(y).right, 217) << "row " << y;
    }
    EXPECT_EQ(rows.at(237).right, 217);
    EXPECT_LT(rows.at(238).right, 217);
    for (int y = 239; y <= 289; ++y) EXPECT_LE(rows.at(y).right, rows.at(y - 1).right) << "row " << y;
    EXPECT_EQ(rows.at(289).right, 193);
}

TEST(SkinShape, PanelUnderTheLabelsAndButtonsLiesInsideTheOutline) {
    const QImage skin = loadAsset("look/skin.bmp");
    const QRegion outline = regionOf(opaqueRuns(skin, kSkinKey));
    const QRect places[] = {{15, 42, 45, 12},  {75, 36, 36, 12},  {122, 36, 30, 12},
                            {160, 37, 26, 12}, {16, 56, 45, 16},  {78, 46, 29, 29},
                            {121, 47, 29, 29}, {162, 50, 22, 22}, {41, 120, 111, 111}};
    for (const QRect& place : places)
        EXPECT_EQ(outline.intersected(place), QRegion(place)) << place.x() << "," << place.y();
}

TEST(ButtonShape, EachFaceIsAKeyedRoundOutlineThatPressingKeeps) {
    struct Case {
        const char* up;
        const char* down;
        int size;
    };
    const Case cases[] = {{"look/hide_up.bmp", "look/hide_down.bmp", 29},
                          {"look/extract_up.bmp", "look/extract_down.bmp", 29},
                          {"look/exit_up.bmp", "look/exit_down.bmp", 22}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.up);
        for (const char* file : {c.up, c.down}) {
            const BmpLayout layout = readBmpLayout(file);
            EXPECT_EQ(layout.pixelOffset, 54u);
            EXPECT_EQ(layout.bitsPerPixel, 24);
            EXPECT_EQ(layout.width, c.size);
            EXPECT_EQ(layout.height, c.size);
            EXPECT_EQ(loadAsset(file).pixel(0, 0) & 0xffffff, kButtonKey & 0xffffff);
        }
        const QImage up = loadAsset(c.up), down = loadAsset(c.down);
        const std::vector<PixelRun> runs = opaqueRuns(up, up.pixel(0, 0) | 0xff000000);
        const QRegion outline = regionOf(runs);
        EXPECT_EQ(regionOf(opaqueRuns(down, down.pixel(0, 0) | 0xff000000)), outline);
        EXPECT_EQ(outline.boundingRect(), QRect(0, 0, c.size, c.size));
        EXPECT_EQ(rowsOf(runs).size(), std::size_t(c.size));
        // Round: a row's run narrows from the middle to the edge, the same above and below.
        for (const PixelRun& run : runs) {
            const PixelRun& mirror = runs[runs.size() - 1 - std::size_t(run.y)];
            EXPECT_EQ(run.right - run.left, mirror.right - mirror.left) << "row " << run.y;
            EXPECT_EQ(run.left + run.right, c.size) << "row " << run.y;
        }
        EXPECT_NE(up, down);
    }
}

TEST(ButtonShape, MinimiseBarAndItsGlyphFitTheButton) {
    const QImage face = loadAsset("look/minimize_up.bmp");
    EXPECT_EQ(readBmpLayout("look/minimize_up.bmp").bitsPerPixel, 24);
    EXPECT_EQ(face.size(), QSize(45, 16));
    EXPECT_EQ(face.pixel(0, 0) & 0xffffff, kButtonKey & 0xffffff);
    EXPECT_EQ(regionOf(opaqueRuns(face, face.pixel(0, 0) | 0xff000000)).boundingRect(), QRect(0, 0, 45, 16));

    const QImage glyph = loadAsset("look/minimize_glyph.bmp");
    EXPECT_EQ(readBmpLayout("look/minimize_glyph.bmp").bitsPerPixel, 24);
    EXPECT_EQ(glyph.size(), QSize(45, 16));
    const QRegion drawn = regionOf(opaqueRuns(glyph, glyph.pixel(0, 15) | 0xff000000));
    EXPECT_FALSE(drawn.isEmpty());
    // Drawn over the face, also when moved by (1, 1) while pressed, the glyph stays on the bar.
    const QRegion bar = regionOf(opaqueRuns(face, face.pixel(0, 0) | 0xff000000));
    EXPECT_EQ(drawn.translated(1, 1).subtracted(bar), QRegion());
}

}  // namespace
}  // namespace velmora::assets
