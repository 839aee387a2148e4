// The window effects' outlines: points worked out by hand at chosen steps, the empty step 0, the
// full outline on the window, the square window, and firework copies that cancel each other.
#include "anim/EffectGeometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "QtPrinters.h"
#include "anim/InvertCanvas.h"

namespace velmora {
namespace {

// Every hand-worked case uses this window with 40 steps: left 100, top 50, 201 × 101, so
// c = (200.5, 100.5), hw = 100.5, hh = 50.5. The half pixels keep every cut vertex well away
// from a whole number, where single-precision rounding could tip it.
const QRect kWindow(100, 50, 201, 101);
constexpr int kSteps = 40;

struct HandCase {
    std::string name;
    EffectKind kind;
    int step;
    int blasts;
    std::size_t polygon;  // which polygon of the outline
    Polygon expected;
};

void PrintTo(const HandCase& c, std::ostream* out) { *out << c.name; }
std::string caseName(const testing::TestParamInfo<HandCase>& cell) { return cell.param.name; }

class HandWorkedOutline : public testing::TestWithParam<HandCase> {};

TEST_P(HandWorkedOutline, MatchesTheArithmetic) {
    const HandCase& c = GetParam();
    const Outline outline = EffectGeometry(c.kind, kWindow, kSteps, c.blasts).outline(c.step);
    ASSERT_GT(outline.size(), c.polygon);
    EXPECT_EQ(outline[c.polygon], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Effects, HandWorkedOutline,
    testing::Values(
        // Spin, step 30: t = 30/40 = 0.75, angle = (30 - 40) × 2π / 40 = -π/2, which maps (x, y) to (y, -x).
        // t·q = (75.375, 37.875) → q' = (37.875, -75.375); t·p = (75.375, -37.875) → p' = (-37.875, -75.375).
        // c - q' = (162.625, 175.875), c - p' = (238.375, 175.875), c + q' = (238.375, 25.125),
        // c + p' = (162.625, 25.125): the rectangle stands upright.
        HandCase{"SpinQuarterTurn", EffectKind::Spin, 30, 0, 0, {{162, 175}, {238, 175}, {238, 25}, {162, 25}}},
        // Spin, step 40: t = 1, no turn: c - q = (100, 50), c - p = (100, 151), c + q = (301, 151), c + p = (301, 50).
        HandCase{"SpinFull", EffectKind::Spin, 40, 0, 0, {{100, 50}, {100, 151}, {301, 151}, {301, 50}}},
        // Vortex, step 20: half sizes 20 × 100.5 / 40 = 50.25 and 20 × 50.5 / 40 = 25.25; the corner offset
        // (100.5, 50.5) scaled by 4 × 20 / 120 = 2/3 is (67, 33.667), turned by 20π/40 = π/2 to (-33.667, 67):
        // centre (166.833, 167.5), corners (116.583, 192.75), (217.083, 192.75), (217.083, 142.25), (116.583, 142.25).
        HandCase{"VortexFirst", EffectKind::Vortex, 20, 0, 0, {{116, 192}, {217, 192}, {217, 142}, {116, 142}}},
        // The next centre turns (-33.667, 67) by 72° (cos 0.309017, sin 0.951057) to (-74.124, -11.315):
        // centre (126.376, 89.185), corners (76.126, 114.435), (176.626, 114.435), (176.626, 63.935), (76.126, 63.935).
        HandCase{"VortexSecond", EffectKind::Vortex, 20, 0, 1, {{76, 114}, {176, 114}, {176, 63}, {76, 63}}},
        // Scatter-gather, step 10: f = (120 - 20) / 40 = 2.5, half sizes 10 × 100.5 / 240 = 4.1875 and
        // 10 × 50.5 / 240 = 2.104. Cell (0, 0): c + 2.5 × (-83.75, -42.083) = (-8.875, -4.708), left of and above
        // the screen: corners (-13.0625, -2.604), (-4.6875, -2.604), (-4.6875, -6.8125), (-13.0625, -6.8125),
        // cut toward zero.
        HandCase{"ScatterCornerCell", EffectKind::ScatterGather, 10, 0, 0, {{-13, -2}, {-4, -2}, {-4, -6}, {-13, -6}}},
        // Cell (2, 3) is polygon 2 × 6 + 3 = 15: c + 2.5 × (-16.75, 8.417) = (158.625, 121.542), corners
        // (154.4375, 123.646), (162.8125, 123.646), (162.8125, 119.4375), (154.4375, 119.4375).
        HandCase{"ScatterInnerCell", EffectKind::ScatterGather, 10, 0, 15, {{154, 123}, {162, 123}, {162, 119}, {154, 119}}},
        // Spike, triangle 0: V0 = c, V1 = (100, 151), V2 = (150.25, 151); centroid G = (150.25, 134.167).
        // ρ = (100.5 - 50.5) × 4/5 = 40; P = c + (0, 40) turned by 33° = c + (-21.786, 33.547) = (178.714, 134.047);
        // D = P - G = (28.464, -0.120).
        // Step 10 (spinning, 10 < 20): t = 0.25, angle (1 - 20/40) × π = π/2 maps (x, y) to (-y, x):
        // V0 - G = (50.25, -33.667) → (33.667, 50.25) × 0.25 + P = (187.131, 146.609); V1 - G = (-50.25, 16.833)
        // → (-16.833, -50.25) × 0.25 + P = (174.506, 121.484); V2 - G = (0, 16.833) → (-16.833, 0) × 0.25 + P = (174.506, 134.047).
        HandCase{"SpikeSpinning", EffectKind::Spike, 10, 0, 0, {{187, 146}, {174, 121}, {174, 134}}},
        // Step 30 (flying home): t = 0.75, u = (60 - 40) / 40 = 0.5: v' = G + 0.75 (v - G) + 0.5 D:
        // V0 → (202.170, 108.857), V1 → (126.795, 146.732), V2 → (164.482, 146.732).
        HandCase{"SpikeFlyingHome", EffectKind::Spike, 30, 0, 0, {{202, 108}, {126, 146}, {164, 146}}},
        // Spike step 40: triangle 5 lies on the right side, second from the bottom: c, (301, 125.75), (301, 100.5).
        HandCase{"SpikeHome", EffectKind::Spike, 40, 0, 5, {{200, 100}, {301, 125}, {301, 100}}},
        // Fireworks with 4 blasts: ρ = 50 × 5/3 = 83.333; L0 = c + (0, 83.333) = (200.5, 183.833). Step 20: t = 0.5,
        // turn (1 - 0.5) × 2π = π negates the halved corners (∓50.25, ∓25.25); centre 0.5 c + 0.5 L0 = (200.5, 142.167):
        // (250.75, 167.417), (150.25, 167.417), (150.25, 116.917), (250.75, 116.917).
        HandCase{"FireworkBelow", EffectKind::Fireworks, 20, 4, 0, {{250, 167}, {150, 167}, {150, 116}, {250, 116}}},
        // L1 = c + (0, 83.333) turned by π/2 = (117.167, 100.5); centre (158.833, 100.5):
        // (209.083, 125.75), (108.583, 125.75), (108.583, 75.25), (209.083, 75.25).
        HandCase{"FireworkLeft", EffectKind::Fireworks, 20, 4, 1, {{209, 125}, {108, 125}, {108, 75}, {209, 75}}}),
    caseName);

const std::vector<EffectKind> kAllKinds{EffectKind::Spin, EffectKind::Vortex, EffectKind::ScatterGather,
                                        EffectKind::Spike, EffectKind::Fireworks};

class EveryEffect : public testing::TestWithParam<std::tuple<EffectKind, QRect>> {};

TEST_P(EveryEffect, StepZeroDrawsNothing) {
    const auto [kind, window] = GetParam();
    EXPECT_TRUE(EffectGeometry(kind, window, 50, 10).outline(0).empty());
}

TEST_P(EveryEffect, WithoutStepsNothingIsDrawn) {
    const auto [kind, window] = GetParam();
    EXPECT_TRUE(EffectGeometry(kind, window, 0, 10).outline(0).empty());
}

TEST_P(EveryEffect, LastStepLiesOnTheWindow) {
    const auto [kind, window] = GetParam();
    const Outline outline = EffectGeometry(kind, window, 50, 10).outline(50);
    ASSERT_FALSE(outline.empty());
    const QRect frame(window.topLeft(), window.size() + QSize(1, 1));  // right and bottom are left + width, top + height
    // Grid cells meet the border as sums of sixths, which single precision can leave a hair
    // short of a whole number, so they may fall one pixel outside.
    const QRect reach = kind == EffectKind::ScatterGather ? frame.adjusted(-1, -1, 1, 1) : frame;
    for (const Polygon& polygon : outline) {
        for (const QPoint& v : polygon) {
            const bool onBorder = v.x() == frame.left() || v.x() == frame.right() || v.y() == frame.top() ||
                                  v.y() == frame.bottom();
            // Only the spikes and the grid cells have vertices inside the window.
            if (kind != EffectKind::Spike && kind != EffectKind::ScatterGather) {
                EXPECT_TRUE(onBorder);
            }
            EXPECT_TRUE(reach.contains(v)) << v.x() << "," << v.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryEffect,
                         testing::Combine(testing::ValuesIn(kAllKinds),
                                          testing::Values(QRect(100, 50, 201, 101), QRect(0, 0, 300, 300),
                                                          QRect(40, 30, 437, 158))));

// The last step of the whole-window effects draws the window rectangle, corners in their order.
TEST(EffectGeometry, FullWindowOutlinesAreTheWindowRectangle) {
    const std::set<std::pair<int, int>> corners{{100, 50}, {301, 50}, {301, 151}, {100, 151}};
    for (EffectKind kind : {EffectKind::Spin, EffectKind::Vortex, EffectKind::Fireworks}) {
        const Outline outline = EffectGeometry(kind, kWindow, kSteps, 10).outline(kSteps);
        ASSERT_FALSE(outline.empty());
        for (const Polygon& polygon : outline) {
            std::set<std::pair<int, int>> vertices;
            for (const QPoint& v : polygon) vertices.insert({v.x(), v.y()});
            EXPECT_EQ(vertices, corners);
        }
    }
    EXPECT_EQ(EffectGeometry(EffectKind::Vortex, kWindow, kSteps, 10).outline(kSteps).size(), 5u);
    EXPECT_EQ(EffectGeometry(EffectKind::Fireworks, kWindow, kSteps, 7).outline(kSteps).size(), 7u);
}

// The grid at its last step tiles the window: 36 cells, the first at the top-left corner.
TEST(EffectGeometry, GridCellsTileTheWindow) {
    // 120 × 60 window: cells 20 × 10; cell (0, 0) centred at (10, 5) with half sizes 10 and 5.
    const Outline outline = EffectGeometry(EffectKind::ScatterGather, QRect(0, 0, 120, 60), 10, 10).outline(10);
    ASSERT_EQ(outline.size(), 36u);
    EXPECT_EQ(outline[0], (Polygon{{0, 10}, {20, 10}, {20, 0}, {0, 0}}));
    EXPECT_EQ(outline[35], (Polygon{{100, 60}, {120, 60}, {120, 50}, {100, 50}}));
}

// A square window puts every spike scatter point and every launch point at the centre: early
// spikes are tiny triangles about the centre, and the firework copies all coincide.
TEST(EffectGeometry, SquareWindowStartsEverythingAtTheCentre) {
    const QRect square(100, 100, 200, 200);  // centre (200, 200)
    const QRect nearCentre(197, 197, 7, 7);
    for (const Polygon& triangle : EffectGeometry(EffectKind::Spike, square, 40, 10).outline(1)) {
        for (const QPoint& v : triangle) EXPECT_TRUE(nearCentre.contains(v)) << v.x() << "," << v.y();
    }
    const Outline fireworks = EffectGeometry(EffectKind::Fireworks, square, 40, 10).outline(13);
    ASSERT_EQ(fireworks.size(), 10u);
    for (const Polygon& copy : fireworks) EXPECT_EQ(copy, fireworks.front());
}

// The same steps of a wide window start far from the centre: ρ = (100.5 - 50.5) × 4/5 = 40 for the
// spikes, and (100.5 - 50.5) × 5/3 = 83.3 for the launch points.
TEST(EffectGeometry, WideWindowStartsAwayFromTheCentre) {
    const QRect nearCentre(190, 90, 21, 21);
    bool spikeAway = false;
    for (const Polygon& triangle : EffectGeometry(EffectKind::Spike, kWindow, 40, 10).outline(1)) {
        spikeAway = spikeAway || !nearCentre.contains(triangle.front());
    }
    EXPECT_TRUE(spikeAway);
    const Outline fireworks = EffectGeometry(EffectKind::Fireworks, kWindow, 40, 10).outline(13);
    EXPECT_NE(fireworks[0], fireworks[1]);
}

// The fireworks' last step puts one window rectangle per blast on the same pixels. Inverted, an
// even number of them cancel out: the overlay keeps a pixel lit only when an odd number of lines
// crossed it, so after 10 blasts nothing is lit, and after 9 exactly one rectangle is.
TEST(EffectGeometry, EvenFireworkBlastsCancelOut) {
    const QRect screen(0, 0, 400, 300);
    InvertCanvas even(screen);
    even.invert(EffectGeometry(EffectKind::Fireworks, kWindow, kSteps, 10).outline(kSteps));
    EXPECT_EQ(even.litCount(), 0);

    InvertCanvas odd(screen);
    odd.invert(EffectGeometry(EffectKind::Fireworks, kWindow, kSteps, 9).outline(kSteps));
    InvertCanvas single(screen);
    single.invert({{{100, 50}, {301, 50}, {301, 151}, {100, 151}}});
    EXPECT_EQ(odd.litCount(), 2 * (201 + 101));  // the perimeter, every pixel once
    for (int y = screen.top(); y <= screen.bottom(); ++y) {
        for (int x = screen.left(); x <= screen.right(); ++x) ASSERT_EQ(odd.lit({x, y}), single.lit({x, y})) << x << "," << y;
    }
}

TEST(EffectGeometry, ExtentHoldsEveryVertex) {
    const std::vector<Outline> outlines{{{{-13, -2}, {-4, -6}}}, {}, {{{250, 167}, {150, 116}}, {{5, 300}}}};
    EXPECT_EQ(outlineExtent(outlines), QRect(QPoint(-13, -6), QPoint(250, 300)));
    EXPECT_TRUE(outlineExtent({{}, {}}).isEmpty());
}

}  // namespace
}  // namespace velmora
