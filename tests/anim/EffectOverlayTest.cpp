// The overlay that shows the inverted outlines: its pixels, with and without a view of the
// screen beneath, and when it is on the screen.
#include "anim/EffectOverlay.h"

#include <gtest/gtest.h>

#include <QImage>

namespace velmora {
namespace {

using namespace std::chrono_literals;

const QRect kArea(30, 40, 12, 8);
const Outline kBox{{{32, 42}, {38, 42}, {38, 45}, {32, 45}}};  // 6 × 3, in screen coordinates

// The screen beneath: green, with one white pixel at screen (32, 42), a corner of the box.
QImage backdrop() {
    QImage image(kArea.size(), QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixel(2, 2, qRgb(255, 255, 255));
    return image;
}

QImage shown(EffectOverlay& overlay) { return overlay.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

TEST(EffectOverlay, CoversItsAreaAndShowsOnlyOnceSomethingIsLit) {
    EffectOverlay overlay(kArea, backdrop(), 0ms);
    EXPECT_EQ(overlay.geometry(), kArea);
    EXPECT_FALSE(overlay.isVisible());
    overlay.invert({});
    EXPECT_FALSE(overlay.isVisible());
    overlay.invert(kBox);
    EXPECT_TRUE(overlay.isVisible());
}

// Lit pixels show the inverse of the screen beneath; every other pixel shows the screen itself.
TEST(EffectOverlay, ShowsTheScreenWithLitPixelsInverted) {
    EffectOverlay overlay(kArea, backdrop(), 0ms);
    overlay.invert(kBox);
    const QImage image = shown(overlay);
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));       // white inverted
    EXPECT_EQ(image.pixel(5, 2), qRgb(245, 55, 225));  // (10, 200, 30) inverted
    EXPECT_EQ(image.pixel(8, 5), qRgb(245, 55, 225));
    EXPECT_EQ(image.pixel(4, 3), qRgb(10, 200, 30));   // inside the box
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 200, 30));
}

// Drawing the same outline again gives back the screen exactly.
TEST(EffectOverlay, DrawingTwiceShowsTheScreenAsItWas) {
    EffectOverlay overlay(kArea, backdrop(), 0ms);
    overlay.invert(kBox);
    overlay.invert(kBox);
    EXPECT_EQ(overlay.canvas().litCount(), 0);
    EXPECT_EQ(shown(overlay), backdrop().convertToFormat(QImage::Format_ARGB32));
}

// Without a view of the screen, pixel for pixel, the lines are black and everything else is
// see-through: no backdrop, or one of a high-density screen with two pixels per overlay pixel.
TEST(EffectOverlay, UnknownScreenGivesBlackLinesOnNothing) {
    for (const QImage& screen : {QImage(), backdrop().scaled(kArea.size() * 2)}) {
        EffectOverlay overlay(kArea, screen, 0ms);
        overlay.invert(kBox);
        const QImage image = shown(overlay);
        EXPECT_EQ(image.pixel(5, 2), qRgb(0, 0, 0));
        EXPECT_EQ(qAlpha(image.pixel(4, 3)), 0);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

}  // namespace
}  // namespace velmora
