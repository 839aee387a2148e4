// A picture with its 2× drawing: the 2× one paints only on screens of a higher ratio, and only
// when it is exactly twice the size, so a wrong file beside the 1× one changes no window.
#include <gtest/gtest.h>

#include <QPixmap>

#include "skin/Look.h"
#include "skin/ScaledPicture.h"

namespace velmora {
namespace {

QImage filled(QSize size, QRgb colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

TEST(ScaledPicture, TheDoubledPicturePaintsAboveRatioOneOnlyWhenItIsTwiceTheSize) {
    const QImage single = filled({10, 6}, 0xFF112233);
    struct Case {
        const char* what;
        QImage doubled;
        bool kept;
    };
    const Case cases[] = {{"twice the size", filled({20, 12}, 0xFF445566), true},
                          {"none", QImage(), false},
                          {"the same size", filled({10, 6}, 0xFF445566), false},
                          {"one pixel short", filled({20, 11}, 0xFF445566), false},
                          {"three times the size", filled({30, 18}, 0xFF445566), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScaledPicture picture(single, c.doubled);
        EXPECT_EQ(picture.single().size(), QSize(10, 6));
        EXPECT_EQ(picture.forRatio(1).pixel(0, 0), 0xFF112233u);
        EXPECT_EQ(picture.forRatio(1).devicePixelRatio(), 1.0);
        for (qreal ratio : {1.25, 2.0, 3.0}) {
            const QImage& shown = picture.forRatio(ratio);
            EXPECT_EQ(shown.pixel(0, 0), c.kept ? 0xFF445566u : 0xFF112233u) << ratio;
            // Either way it covers the same 10 × 6 on the screen.
            EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(10, 6)) << ratio;
        }
    }
    EXPECT_TRUE(ScaledPicture(QImage(), filled({20, 12}, 0xFF445566)).forRatio(2).isNull());
}

TEST(ScaledPicture, BuiltInPicturesComeWithTheirDoubledDrawings) {
    for (const char* name : {"skin.bmp", "hide_up.bmp", "exit_down.bmp", "minimize_glyph.bmp", "menu_open.png"}) {
        SCOPED_TRACE(name);
        const ScaledPicture picture = scaledLookPicture(QLatin1String(name));
        ASSERT_FALSE(picture.doubled().isNull());
        EXPECT_EQ(picture.doubled().size(), picture.single().size() * 2);
    }
    EXPECT_TRUE(scaledLookPicture(QStringLiteral("tile.bmp")).doubled().isNull());  // drawn at 1× only
    EXPECT_TRUE(scaledLookPicture(QStringLiteral("no_such.bmp")).isNull());
}

TEST(ScaledPicture, IconsGiveThe32PixelDrawingAtRatioTwo) {
    const QIcon icon = lookIcon(QStringLiteral("button_ok.png"));
    // Pixmaps hold premultiplied pixels: compare after the same round trip.
    const auto asPixmapHolds = [](const QString& file) {
        return lookPicture(file).convertToFormat(QImage::Format_ARGB32_Premultiplied).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage at1x = asPixmapHolds(QStringLiteral("button_ok.png"));
    const QImage at2x = asPixmapHolds(QStringLiteral("button_ok@2x.png"));
    const QImage shown1 = icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage shown2 = icon.pixmap(QSize(16, 16), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown1.size(), QSize(16, 16));
    ASSERT_EQ(shown2.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (x < 16 && y < 16) {
                ASSERT_EQ(shown1.pixel(x, y), at1x.pixel(x, y)) << x << "," << y;
            }
            ASSERT_EQ(shown2.pixel(x, y), at2x.pixel(x, y)) << x << "," << y;
        }
}

}  // namespace
}  // namespace velmora
