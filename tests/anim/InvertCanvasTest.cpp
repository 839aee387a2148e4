// The inverting pen: which pixels a line covers, polygons drawn twice leaving nothing, the lit
// region, and the edge of the canvas.
#include "anim/InvertCanvas.h"

#include <gtest/gtest.h>

#include "QtPrinters.h"

namespace velmora {
namespace {

struct LineCase {
    const char* name;
    QPoint from;
    QPoint to;
    std::vector<QPoint> pixels;
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class LinePixels : public testing::TestWithParam<LineCase> {};

// Every line leaves out its end pixel and steps one pixel at a time along its longer axis.
TEST_P(LinePixels, CoverFromStartToJustBeforeTheEnd) {
    EXPECT_EQ(linePixels(GetParam().from, GetParam().to), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LinePixels,
    testing::Values(LineCase{"Right", {2, 3}, {5, 3}, {{2, 3}, {3, 3}, {4, 3}}},
                    LineCase{"Up", {1, 4}, {1, 1}, {{1, 4}, {1, 3}, {1, 2}}},
                    LineCase{"Diagonal", {0, 0}, {-3, 3}, {{0, 0}, {-1, 1}, {-2, 2}}},
                    LineCase{"Shallow", {0, 0}, {6, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
                    LineCase{"Steep", {0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}}},
                    LineCase{"Point", {7, 7}, {7, 7}, {}}),
    [](const auto& cell) { return std::string(cell.param.name); });

const Polygon kRectangle{{2, 2}, {8, 2}, {8, 5}, {2, 5}};  // 6 × 3 between its vertices

TEST(InvertCanvas, ClosedPolygonCoversItsPerimeterOnce) {
    InvertCanvas canvas(QRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.invert({kRectangle}), QRect(QPoint(2, 2), QPoint(8, 5)));
    EXPECT_EQ(canvas.litCount(), 2 * (6 + 3));
    EXPECT_TRUE(canvas.lit({2, 2}));
    EXPECT_TRUE(canvas.lit({8, 5}));
    EXPECT_FALSE(canvas.lit({5, 3}));  // inside
}

TEST(InvertCanvas, DrawingTwiceLeavesNothing) {
    InvertCanvas canvas(QRect(0, 0, 10, 10));
    const Outline crossing{kRectangle, {{0, 0}, {9, 9}, {0, 9}}};
    canvas.invert(crossing);
    EXPECT_GT(canvas.litCount(), 0);
    canvas.invert(crossing);
    EXPECT_EQ(canvas.litCount(), 0);
}

// Where two polygons cross, the pixel is inverted twice and shows nothing, as on the screen.
TEST(InvertCanvas, CrossingLinesCancelWhereTheyMeet) {
    InvertCanvas canvas(QRect(0, 0, 10, 10));
    // A band two rows high and one two columns wide, crossing in the 2 × 2 square at (4, 4).
    canvas.invert({{{0, 4}, {9, 4}, {9, 5}, {0, 5}}, {{4, 0}, {5, 0}, {5, 9}, {4, 9}}});
    EXPECT_EQ(canvas.litCount(), 20 + 20 - 2 * 4);
    EXPECT_FALSE(canvas.lit({4, 4}));
    EXPECT_FALSE(canvas.lit({5, 5}));
    EXPECT_TRUE(canvas.lit({3, 4}));
}

TEST(InvertCanvas, RowsHoldExactlyTheLitPixels) {
    const QRect area(100, 200, 12, 8);
    InvertCanvas canvas(area);
    canvas.invert({{{102, 202}, {108, 202}, {108, 205}, {102, 205}}, {{100, 200}, {111, 207}}});
    int pixels = 0;
    for (int y = 0; y < area.height(); ++y) {
        const std::uint8_t* row = canvas.litRow(y);
        for (int x = 0; x < area.width(); ++x) {
            const bool lit = canvas.lit(area.topLeft() + QPoint(x, y));
            EXPECT_EQ(row[x], lit ? 1 : 0) << x << "," << y;
            pixels += lit ? 1 : 0;
        }
    }
    EXPECT_EQ(pixels, canvas.litCount());
    EXPECT_EQ(canvas.litRow(2)[2], 1);  // the box's top-left corner, (102, 202)
    EXPECT_EQ(canvas.litRow(3)[4], 0);  // inside the box
}

// Lines reaching past the area are kept only where they cross it, and still cancel.
TEST(InvertCanvas, PixelsOutsideTheAreaAreDropped) {
    InvertCanvas canvas(QRect(0, 0, 5, 5));
    const Outline wide{{{-10, 2}, {20, 2}, {20, 3}, {-10, 3}}};
    EXPECT_EQ(canvas.invert(wide), QRect(0, 2, 5, 2));
    EXPECT_EQ(canvas.litCount(), 10);
    EXPECT_FALSE(canvas.lit({-3, 2}));
    canvas.invert(wide);
    EXPECT_EQ(canvas.litCount(), 0);
    EXPECT_TRUE(canvas.invert({{{-5, -5}, {-1, -5}, {-1, -1}}}).isEmpty());
}

TEST(InvertCanvas, EmptyAreaKeepsNothing) {
    InvertCanvas canvas(QRect(QPoint(5, 5), QPoint(2, 2)));  // right of and above its own start
    EXPECT_TRUE(canvas.area().isEmpty());
    EXPECT_TRUE(canvas.invert({kRectangle}).isEmpty());
    EXPECT_EQ(canvas.litCount(), 0);
}

}  // namespace
}  // namespace velmora
