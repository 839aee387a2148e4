// The @2x pictures are what a high-density screen shows instead of the 1× ones, while the
// window's shapes still come from the 1× pictures: each must be exactly twice the size, key
// out exactly the 1× key area doubled, and be drawn anew rather than enlarged.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QTransform>

#include <cmath>
#include <functional>

#include "AssetPictures.h"

namespace velmora::assets {
namespace {

QRgb rgbOf(QRgb c) { return c & 0xffffff; }

QString doubledName(const QString& file) {
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
}

// Read as the program reads it, through Qt's reader, which takes "@2x" as a pixel ratio of 2.
QImage readDoubled(const QString& file) {
    QImageReader reader(assetPath(doubledName(file)));
    QImage image = reader.read();
    if (image.isNull()) ADD_FAILURE() << "cannot read " << doubledName(file).toStdString();
    return image;
}

// The share of 2 × 2 blocks (wholly inside the drawn area) whose four pixels are not all the
// same: an enlarged 1× picture has none.
double detailShare(const QImage& doubled, const std::function<bool(int, int)>& drawn) {
    int blocks = 0, detailed = 0;
    for (int y = 0; y + 1 < doubled.height(); y += 2)
        for (int x = 0; x + 1 < doubled.width(); x += 2) {
            if (!drawn(x, y)) continue;
            ++blocks;
            const QRgb first = doubled.pixel(x, y);
            detailed += doubled.pixel(x + 1, y) != first || doubled.pixel(x, y + 1) != first ||
                        doubled.pixel(x + 1, y + 1) != first;
        }
    return blocks == 0 ? 0 : detailed / double(blocks);
}

enum class KeyCorner { TopLeft, BottomLeft };

QRgb keyOf(const QImage& image, KeyCorner corner) {
    return rgbOf(image.pixel(0, corner == KeyCorner::TopLeft ? 0 : image.height() - 1));
}

TEST(DoubledPictures, KeyedBmpsKeyOutExactlyTheDoubledOutline) {
    struct Case {
        const char* file;
        KeyCorner corner;
    };
    const Case cases[] = {
        {"skin.bmp", KeyCorner::BottomLeft},      {"hide_up.bmp", KeyCorner::TopLeft},
        {"hide_down.bmp", KeyCorner::TopLeft},    {"extract_up.bmp", KeyCorner::TopLeft},
        {"extract_down.bmp", KeyCorner::TopLeft}, {"exit_up.bmp", KeyCorner::TopLeft},
        {"exit_down.bmp", KeyCorner::TopLeft},    {"minimize_up.bmp", KeyCorner::TopLeft},
        {"minimize_glyph.bmp", KeyCorner::BottomLeft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString file = QStringLiteral("look/") + QLatin1String(c.file);
        const QImage single = loadAsset(file);
        const QImage doubled = readDoubled(file);
        ASSERT_EQ(doubled.size(), single.size() * 2);
        EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
        EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(single.size()));
        const BmpLayout layout = readBmpLayout(doubledName(file));
        EXPECT_EQ(layout.bitsPerPixel, 24);
        EXPECT_EQ(layout.pixelOffset, 54u);

        const QRgb key = keyOf(single, c.corner);
        ASSERT_EQ(keyOf(doubled, c.corner), key);
        int mismatches = 0;
        for (int y = 0; y < doubled.height(); ++y)
            for (int x = 0; x < doubled.width(); ++x) {
                const bool outside = rgbOf(doubled.pixel(x, y)) == key;
                const bool outsideAt1x = rgbOf(single.pixel(x / 2, y / 2)) == key;
                if (outside != outsideAt1x && ++mismatches <= 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << (outside ? " keyed out" : " drawn") << " at 2x";
            }
        EXPECT_EQ(mismatches, 0);
        // The same outline, taken by the window rule, as a region: the 1× one scaled by two.
        EXPECT_EQ(regionOf(opaqueRuns(doubled, key | 0xff000000)),
                  QTransform::fromScale(2, 2).map(regionOf(opaqueRuns(single, key | 0xff000000))));

        const double detail = detailShare(doubled, [&](int x, int y) {
            return rgbOf(single.pixel(x / 2, y / 2)) != key;
        });
        EXPECT_GT(detail, 0.2) << "looks like the 1x picture enlarged";
    }
}

TEST(DoubledPictures, SmallPicturesAreTheSamePicturesOn32By32) {
    const char* const files[] = {"menu_open.png",     "menu_hide.png",      "menu_extract.png",     "menu_close.png",
                                 "menu_language.png", "menu_minimize.png",  "menu_options.png",     "menu_help.png",
                                 "menu_about.png",    "menu_exit.png",      "button_ok.png",        "button_cancel.png",
                                 "button_help.png",   "button_open_text.png", "button_paste.png", "button_save_text.png",
                                 "button_copy.png"};
    for (const char* name : files) {
        SCOPED_TRACE(name);
        const QString file = QStringLiteral("look/") + QLatin1String(name);
        const QImage single = loadAsset(file);
        const QImage doubled = readDoubled(file);
        ASSERT_EQ(doubled.size(), QSize(32, 32));
        EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
        EXPECT_TRUE(doubled.hasAlphaChannel());
        // The same shapes in the same places: the cover of each 1× pixel is close to the mean
        // cover of its four 2× pixels (edges differ by what the sharper drawing resolves).
        double difference = 0, cover = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const double mean = (qAlpha(doubled.pixel(2 * x, 2 * y)) + qAlpha(doubled.pixel(2 * x + 1, 2 * y)) +
                                     qAlpha(doubled.pixel(2 * x, 2 * y + 1)) +
                                     qAlpha(doubled.pixel(2 * x + 1, 2 * y + 1))) /
                                    4.0;
                difference += std::abs(mean - qAlpha(single.pixel(x, y)));
                cover += qAlpha(single.pixel(x, y));
            }
        EXPECT_LT(difference, cover * 0.05) << "the shapes moved or changed size";
        EXPECT_GT(detailShare(doubled, [&](int x, int y) { return qAlpha(single.pixel(x / 2, y / 2)) == 255; }), 0.1)
            << "looks like the 1x picture enlarged";
    }
}

}  // namespace
}  // namespace velmora::assets
