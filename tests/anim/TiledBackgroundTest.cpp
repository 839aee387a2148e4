// The dialogs' tiled background: where the tiles go, the painted pixels at the cut edges, and the
// widget's place beneath the dialog's controls at the dialog's size.
#include "anim/TiledBackground.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>

#include "QtPrinters.h"

namespace velmora {
namespace {

struct TileCase {
    const char* name;
    QSize area;
    QSize tile;
    std::size_t count;
    QRect last;  // the bottom-right tile
};

void PrintTo(const TileCase& c, std::ostream* out) { *out << c.name; }

class TileLayout : public testing::TestWithParam<TileCase> {};

TEST_P(TileLayout, CoversTheAreaFromTheTopLeft) {
    const TileCase& c = GetParam();
    const std::vector<QRect> tiles = tileRects(c.area, c.tile);
    ASSERT_EQ(tiles.size(), c.count);
    if (c.count == 0) return;
    EXPECT_EQ(tiles.front(), QRect(QPoint(0, 0), c.tile.boundedTo(c.area)));
    EXPECT_EQ(tiles.back(), c.last);
    // The tiles cover the area exactly once.
    QRegion covered;
    int pixels = 0;
    for (const QRect& tile : tiles) {
        EXPECT_EQ(tile.x() % c.tile.width(), 0);
        EXPECT_EQ(tile.y() % c.tile.height(), 0);
        covered += tile;
        pixels += tile.width() * tile.height();
    }
    EXPECT_TRUE((covered ^ QRegion(QRect(QPoint(0, 0), c.area))).isEmpty());
    EXPECT_EQ(pixels, c.area.width() * c.area.height());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TileLayout,
    testing::Values(
        // 407 = 4 × 100 + 7 and 398 = 3 × 100 + 98: 5 columns and 4 rows, the last 7 wide and 98 high.
        TileCase{"Dialog", {407, 398}, {100, 100}, 20, {400, 300, 7, 98}},
        TileCase{"Exact", {200, 100}, {100, 100}, 2, {100, 0, 100, 100}},
        TileCase{"SmallerThanTile", {30, 20}, {100, 100}, 1, {0, 0, 30, 20}},
        TileCase{"OneColumnLeftOver", {101, 50}, {100, 100}, 2, {100, 0, 1, 50}},
        TileCase{"NoArea", {0, 50}, {100, 100}, 0, {}},
        TileCase{"NoTile", {407, 398}, {0, 0}, 0, {}}),
    [](const auto& cell) { return std::string(cell.param.name); });

TEST(TileLayout, DialogRowsAndColumns) {
    const std::vector<QRect> tiles = tileRects({407, 398}, {100, 100});
    ASSERT_EQ(tiles.size(), 20u);
    EXPECT_EQ(tiles[4], QRect(400, 0, 7, 100));   // end of the first row
    EXPECT_EQ(tiles[15], QRect(0, 300, 100, 98));  // start of the last row
    EXPECT_EQ(tiles[18], QRect(300, 300, 100, 98));
}

// A 100 × 100 tile, green, with a marked pixel at each place the test looks at.
QPixmap markedTile() {
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(Qt::green);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(6, 0, qRgb(255, 255, 0));
    tile.setPixel(7, 0, qRgb(0, 255, 255));  // cut off in the last column
    tile.setPixel(0, 97, qRgb(255, 0, 255));
    tile.setPixel(99, 99, qRgb(0, 0, 255));
    return QPixmap::fromImage(tile);
}

TEST(TiledBackground, PaintsTilesCutAtTheRightAndBottom) {
    QWidget dialog;
    dialog.resize(407, 398);
    TiledBackground background(dialog, markedTile());
    QImage image(407, 398, QImage::Format_RGB32);
    image.fill(Qt::black);
    background.render(&image);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(400, 300), qRgb(255, 0, 0));    // the last tile starts over
    EXPECT_EQ(image.pixel(406, 0), qRgb(255, 255, 0));    // tile column 6, the last one shown
    EXPECT_EQ(image.pixel(300, 397), qRgb(255, 0, 255));  // tile row 97, the last one shown
    EXPECT_EQ(image.pixel(399, 299), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(406, 397), qRgb(0, 255, 0));
    for (int x = 0; x < 407; ++x) EXPECT_NE(image.pixel(x, 1), qRgb(0, 0, 0)) << x;  // no gap anywhere
}

TEST(TiledBackground, LiesBeneathTheControlsAndLetsTheMouseThrough) {
    QWidget dialog;
    dialog.resize(300, 200);
    auto* button = new QPushButton("OK", &dialog);
    button->setGeometry(10, 10, 80, 25);
    auto* background = new TiledBackground(dialog, markedTile());
    EXPECT_EQ(background->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(dialog.children().indexOf(background), 0);  // first child: painted first, under the rest
    EXPECT_EQ(dialog.childAt(20, 20), button);
    EXPECT_EQ(dialog.childAt(200, 150), nullptr);  // the dialog itself gets the click
}

TEST(TiledBackground, FollowsTheDialogsSize) {
    QWidget dialog;
    dialog.resize(300, 200);
    TiledBackground background(dialog);
    dialog.show();
    dialog.resize(407, 398);
    EXPECT_EQ(background.geometry(), QRect(0, 0, 407, 398));
    dialog.resize(120, 90);
    EXPECT_EQ(background.geometry(), QRect(0, 0, 120, 90));
}

}  // namespace
}  // namespace velmora
