// The program icon, menu, button and flag pictures and the dialog tile: the sizes and
// formats the program loads them in, and the transparency each one relies on.
#include <gtest/gtest.h>

#include <cmath>

#include "AssetPictures.h"

namespace velmora::assets {
namespace {

struct Drawn {
    int clear = 0, opaque = 0;
};

Drawn countAlpha(const QImage& image) {
    Drawn d;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(image.pixel(x, y));
            d.clear += a == 0;
            d.opaque += a == 255;
        }
    return d;
}

TEST(SmallPictures, PngPicturesHaveTheirSizeAndAClearBackground) {
    struct Case {
        const char* file;
        int size;
    };
    const Case cases[] = {
        {"velmora16.png", 16},     {"velmora24.png", 24},        {"velmora32.png", 32},    {"velmora48.png", 48},
        {"velmora64.png", 64},     {"velmora128.png", 128},      {"velmora256.png", 256},
        {"menu_open.png", 16},     {"menu_hide.png", 16},        {"menu_extract.png", 16}, {"menu_close.png", 16},
        {"menu_language.png", 16}, {"menu_minimize.png", 16},    {"menu_options.png", 16}, {"menu_help.png", 16},
        {"menu_about.png", 16},    {"menu_exit.png", 16},        {"button_ok.png", 16},    {"button_cancel.png", 16},
        {"button_help.png", 16},   {"button_open_text.png", 16}, {"button_paste.png", 16}, {"button_save_text.png", 16},
        {"button_copy.png", 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QImage image = loadAsset(QStringLiteral("look/") + c.file);
        EXPECT_EQ(image.size(), QSize(c.size, c.size));
        EXPECT_TRUE(image.hasAlphaChannel());
        const Drawn d = countAlpha(image);
        EXPECT_GT(d.clear, 0) << "no transparent background";
        EXPECT_GT(d.opaque, c.size * c.size / 5) << "hardly anything drawn";
    }
}

TEST(SmallPictures, FlagsAreKeyedByTheirBottomLeftPixel) {
    for (const char* file : {"Language/English.bmp", "Language/Russian.bmp"}) {
        SCOPED_TRACE(file);
        const BmpLayout layout = readBmpLayout(file);
        EXPECT_EQ(layout.bitsPerPixel, 24);
        EXPECT_EQ(layout.width, 16);
        EXPECT_EQ(layout.height, 16);
        const QImage flag = loadAsset(file);
        const QRgb key = flag.pixel(0, 15);
        int keyed = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) keyed += flag.pixel(x, y) == key;
        // The margins above and below are keyed; the flag itself never uses the key colour.
        EXPECT_EQ(keyed, 16 * 4);
    }
}

double luminance(QRgb c) { return (0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c)) / 255.0; }

TEST(SmallPictures, TileIsLightQuietAndSeamless) {
    const BmpLayout layout = readBmpLayout("look/tile.bmp");
    EXPECT_EQ(layout.bitsPerPixel, 24);
    const QImage tile = loadAsset("look/tile.bmp");
    ASSERT_EQ(tile.size(), QSize(100, 100));
    double darkest = 1, across = 0, within = 0;
    for (int i = 0; i < 100; ++i) {
        for (int j = 0; j < 100; ++j) darkest = std::min(darkest, luminance(tile.pixel(i, j)));
        // The step from the last column to the first (and row) is where a seam would show.
        across += std::abs(luminance(tile.pixel(99, i)) - luminance(tile.pixel(0, i))) +
                  std::abs(luminance(tile.pixel(i, 99)) - luminance(tile.pixel(i, 0)));
        within += std::abs(luminance(tile.pixel(49, i)) - luminance(tile.pixel(50, i))) +
                  std::abs(luminance(tile.pixel(i, 49)) - luminance(tile.pixel(i, 50)));
    }
    EXPECT_GT(darkest, 0.75) << "black labels must stay readable everywhere";
    EXPECT_LT(across, within * 2 + 0.5) << "the edges differ more than the middle does";
}

}  // namespace
}  // namespace velmora::assets
