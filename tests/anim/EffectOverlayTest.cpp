// The overlay that shows the inverted outlines: its shape, its pixels and when it is on the screen.
#include "anim/EffectOverlay.h"

#include <gtest/gtest.h>

#include <QImage>

namespace velmora {
namespace {

using namespace std::chrono_literals;

const QRect kArea(30, 40, 12, 8);
const Outline kBox{{{32, 42}, {38, 42}, {38, 45}, {32, 45}}};  // 6 × 3, in screen coordinates

QImage backdrop() {
    QImage image(kArea.size(), QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixel(2, 2, qRgb(255, 255, 255));  // screen pixel (32, 42), a corner of the box
    return image;
}

QImage rendered(EffectOverlay& overlay) { return overlay.grab().toImage(); }

TEST(EffectOverlay, CoversItsAreaWithoutShowingUntilSomethingIsLit) {
    EffectOverlay overlay(kArea, backdrop(), 0ms);
    EXPECT_EQ(overlay.geometry(), kArea);
    EXPECT_FALSE(overlay.isVisible());
    overlay.invert({});
    EXPECT_FALSE(overlay.isVisible());
}

// Lit pixels show the inverse of the screen beneath; everything else stays see-through and
// outside the window's shape.
TEST(EffectOverlay, ShowsLitPixelsInverted) {
    EffectOverlay overlay(kArea, backdrop(), 0ms);
    overlay.invert(kBox);
    EXPECT_TRUE(overlay.isVisible());
    EXPECT_TRUE((overlay.mask() ^ overlay.canvas().litRegion()).isEmpty());
    EXPECT_TRUE(overlay.mask().contains(QPoint(2, 2)));
    EXPECT_FALSE(overlay.mask().contains(QPoint(4, 3)));

    const QImage image = rendered(overlay);
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));       // white inverted
    EXPECT_EQ(image.pixel(5, 2), qRgb(245, 55, 225));  // (10, 200, 30) inverted
    EXPECT_EQ(image.pixel(8, 5), qRgb(245, 55, 225));
    EXPECT_EQ(qAlpha(image.pixel(4, 3)), 0);           // inside the box
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

// Without a view of the screen the lines are black.
TEST(EffectOverlay, UnknownBackdropDrawsBlack) {
    EffectOverlay overlay(kArea, QImage(), 0ms);
    overlay.invert(kBox);
    EXPECT_EQ(rendered(overlay).pixel(5, 2), qRgb(0, 0, 0));
}

// Drawing the same outline again clears it, and an empty overlay leaves the screen: an empty
// shape would otherwise mean the whole window.
TEST(EffectOverlay, HidesWhenNothingIsLit) {
    EffectOverlay overlay(kArea, backdrop(), 0ms);
    overlay.invert(kBox);
    overlay.invert(kBox);
    EXPECT_EQ(overlay.canvas().litCount(), 0);
    EXPECT_FALSE(overlay.isVisible());
    overlay.invert(kBox);
    EXPECT_TRUE(overlay.isVisible());
}

}  // namespace
}  // namespace velmora
