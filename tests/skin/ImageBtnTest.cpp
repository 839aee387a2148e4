// Image buttons: the shape of each state from its face, the faces by state, and the rule that
// a click needs the press and the release inside the shape.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <cstring>
#include <vector>

#include "skin/ImageBtn.h"
#include "skin/PictureOutline.h"
#include "skin/SeeThrough.h"

namespace velmora {
namespace {

constexpr QRgb kKey = 0xFFE0E1E6;  // the faces' top-left colour
constexpr QRgb kUpper = 0xFF3060A0;
constexpr QRgb kLower = 0xFF20A040;
constexpr QRgb kPressed = 0xFFA02020;
constexpr QRgb kGlyph = 0xFFFFFF00;

// '.' key colour, 'u' and 'l' the normal face's upper and lower colours, 'p' the pressed face.
QImage face(const std::vector<const char*>& rows) {
    QImage image(static_cast<int>(std::strlen(rows[0])), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == 'u' ? kUpper : rows[y][x] == 'l' ? kLower : rows[y][x] == 'p' ? kPressed : kKey);
    return image;
}

const QImage kNormal = face({"..uuuu..", ".uuuuuu.", "uuuuuuuu", "uuuuuuuu", "llllllll", "llllllll", ".llllll.", "..llll.."});
// The pressed face reaches one pixel further at each end of its top row.
const QImage kDown = face({".pppppp.", ".pppppp.", "pppppppp", "pppppppp", "pppppppp", "pppppppp", ".pppppp.", "..pppp.."});

std::vector<QRect> rects(const QRegion& region) { return {region.begin(), region.end()}; }

// A window holding one button at (10, 10); it counts the presses that reach it.
class Holder : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class ImageBtnTest : public ::testing::Test {
protected:
    explicit ImageBtnTest(QSize size = {16, 16}) : button(new ImageBtn(&holder)), clicks(button, &ImageBtn::clicked) {
        holder.resize(60, 60);
        button->setGeometry(QRect(QPoint(10, 10), size));
        button->setFaces(kNormal, kDown);
        holder.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }
    void press(QPoint inButton) { QTest::mousePress(holder.windowHandle(), Qt::LeftButton, {}, inButton + QPoint(10, 10)); }
    void move(QPoint inButton) { QTest::mouseMove(holder.windowHandle(), inButton + QPoint(10, 10)); }
    void release(QPoint inButton) { QTest::mouseRelease(holder.windowHandle(), Qt::LeftButton, {}, inButton + QPoint(10, 10)); }

    Holder holder;
    ImageBtn* button;
    QSignalSpy clicks;
};

TEST_F(ImageBtnTest, EachStateHasTheOutlineOfItsFaceStretchedToTheButton) {
    const std::vector<QRect> normal = {{4, 0, 8, 2}, {2, 2, 12, 2}, {0, 4, 16, 8}, {2, 12, 12, 2}, {4, 14, 8, 2}};
    const std::vector<QRect> pressed = {{2, 0, 12, 4}, {0, 4, 16, 8}, {2, 12, 12, 2}, {4, 14, 8, 2}};
    EXPECT_EQ(rects(button->outline(false)), normal);
    EXPECT_EQ(rects(button->outline(true)), pressed);
    EXPECT_EQ(rects(button->mask()), normal);
    press({8, 8});
    EXPECT_EQ(rects(button->mask()), pressed);
    release({8, 8});
    EXPECT_EQ(rects(button->mask()), normal);
}

TEST_F(ImageBtnTest, MovingOutAndBackInWithTheButtonHeldSwitchesTheFaceAndTheReleaseInsideClicks) {
    press({8, 8});
    EXPECT_TRUE(button->isDown());
    move({30, 8});
    EXPECT_FALSE(button->isDown());
    move({2, 1});  // inside the pressed face only: still inside the button
    EXPECT_TRUE(button->isDown());
    move({0, 0});  // a corner outside both faces
    EXPECT_FALSE(button->isDown());
    move({8, 8});
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(clicks.size(), 0);
    release({8, 8});
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(ImageBtnTest, AReleaseOutsideTheShapeIsNoClick) {
    press({8, 8});
    release({0, 15});  // a corner of the rectangle, outside the shape
    EXPECT_FALSE(button->isDown());
    press({8, 8});
    move({40, 40});
    release({40, 40});
    EXPECT_EQ(clicks.size(), 0);
}

TEST_F(ImageBtnTest, APressBesideTheArtworkReachesWhatLiesBeneath) {
    press({0, 0});
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(holder.presses, 1);
    release({0, 0});
    press({15, 8});
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(holder.presses, 1);
    release({15, 8});
}

TEST_F(ImageBtnTest, NeverTakesTheFocus) {
    holder.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&holder));
    auto* focused = new QPushButton(&holder);
    focused->setGeometry(40, 40, 15, 15);
    focused->show();
    focused->setFocus();
    press({8, 8});
    release({8, 8});
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), focused);
    // A common button takes it, so a click could have moved it.
    auto* common = new QPushButton(&holder);
    common->setGeometry(0, 40, 15, 15);
    common->show();
    QTest::mouseClick(holder.windowHandle(), Qt::LeftButton, {}, {7, 47});
    EXPECT_EQ(QApplication::focusWidget(), common);
}

// Faces drawn at their own size, so pixels can be compared one to one.
class ImageBtnFaceTest : public ImageBtnTest {
protected:
    ImageBtnFaceTest() : ImageBtnTest({8, 8}) {}
    QRgb shown(QPoint at) { return button->grab().toImage().pixel(at); }
};

TEST_F(ImageBtnFaceTest, ThePressedFaceShowsWhileDown) {
    EXPECT_EQ(shown({4, 2}), kUpper);
    EXPECT_EQ(shown({4, 5}), kLower);
    press({4, 4});
    EXPECT_EQ(shown({4, 2}), kPressed);
    EXPECT_EQ(shown({4, 5}), kPressed);
    release({4, 4});
}

TEST_F(ImageBtnFaceTest, WithoutAPressedFaceTheNormalFaceMovesTwoPixelsOverBlack) {
    button->setFaces(kNormal);
    press({4, 4});
    EXPECT_EQ(shown({0, 4}), 0xFF000000u);  // uncovered by the move
    EXPECT_EQ(shown({1, 4}), 0xFF000000u);
    EXPECT_EQ(shown({2, 4}), kUpper);        // the face's (0, 2)
    EXPECT_EQ(shown({4, 6}), kLower);        // the face's (2, 4)
    EXPECT_EQ(shown({2, 2}), 0xFF000000u);  // the face's key-coloured corner turns black
    EXPECT_EQ(rects(button->mask()), rects(button->outline(false)));  // the same shape as up
    release({4, 4});
    EXPECT_EQ(shown({4, 5}), kLower);
}

TEST_F(ImageBtnFaceTest, TheGlyphIsCentredSeeThroughAndMovesOnePixelWhenPressed) {
    button->setFaces(kNormal, kNormal);  // one face for both states, as the minimise button has
    // 4 × 4, its bottom-left colour see-through, one lit pixel at (1, 1).
    QImage glyph(4, 4, QImage::Format_RGB32);
    glyph.fill(0xFF123456);
    glyph.setPixel(1, 1, kGlyph);
    button->setGlyph(glyph);
    EXPECT_EQ(shown({3, 3}), kGlyph);
    EXPECT_EQ(shown({2, 2}), kUpper);  // see-through around the lit pixel
    press({4, 4});
    EXPECT_EQ(shown({4, 4}), kGlyph);
    EXPECT_EQ(shown({3, 3}), kUpper);
    release({4, 4});
}

// This test runs once more with QT_SCALE_FACTOR=2 (see tests/CMakeLists.txt). At ratio 2 the
// doubled face and glyph paint, moved by the same distances, while the shape stays the 1× one.
TEST_F(ImageBtnFaceTest, TheFaceAndGlyphOfTheScreensPixelRatioPaintInTheSameShape) {
    const qreal ratio = button->devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        ASSERT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const int r = qRound(ratio);
    constexpr QRgb kSharpUpper = 0xFF4070B0, kSharpLower = 0xFF30B050, kSharpGlyph = 0xFFFFFF80;
    QImage doubled = kNormal.scaled(16, 16);
    replaceColour(doubled, kUpper, kSharpUpper);
    replaceColour(doubled, kLower, kSharpLower);
    QImage glyph(4, 4, QImage::Format_RGB32), sharpGlyph(8, 8, QImage::Format_RGB32);
    glyph.fill(0xFF123456);
    sharpGlyph.fill(0xFF123456);
    glyph.setPixel(1, 1, kGlyph);
    for (QPoint lit : {QPoint(2, 2), QPoint(3, 2), QPoint(2, 3), QPoint(3, 3)}) sharpGlyph.setPixel(lit, kSharpGlyph);
    button->setFaces(ScaledPicture(kNormal, doubled));  // no pressed face: the normal one moves
    button->setGlyph(ScaledPicture(glyph, sharpGlyph));
    const QRgb upper = r > 1 ? kSharpUpper : kUpper, lower = r > 1 ? kSharpLower : kLower;
    const auto at = [&](int x, int y) { return button->grab().toImage().pixel(x * r, y * r); };

    EXPECT_EQ(rects(button->mask()), rects(outlineRegion(kNormal, kKey)));
    EXPECT_EQ(at(4, 2), upper);
    EXPECT_EQ(at(4, 5), lower);
    EXPECT_EQ(at(3, 3), r > 1 ? kSharpGlyph : kGlyph);
    EXPECT_EQ(at(2, 2), upper);  // see-through around the lit pixel
    press({4, 4});
    EXPECT_EQ(rects(button->mask()), rects(outlineRegion(kNormal, kKey)));
    EXPECT_EQ(button->grab().toImage().pixel(2 * r - 1, 4 * r), 0xFF000000u);  // uncovered by the move
    EXPECT_EQ(at(2, 4), upper);  // the face's (0, 2)
    EXPECT_EQ(at(4, 6), lower);  // the face's (2, 4)
    EXPECT_EQ(at(4, 4), r > 1 ? kSharpGlyph : kGlyph);
    release({4, 4});
}

TEST(ImageBtnWithoutFaces, IsAPlainRectangleThatClicksAnywhere) {
    QWidget holder;
    holder.resize(40, 40);
    auto* button = new ImageBtn(&holder);
    button->setGeometry(5, 5, 20, 10);
    QSignalSpy clicks(button, &ImageBtn::clicked);
    holder.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    EXPECT_TRUE(button->mask().isEmpty());
    QTest::mouseClick(holder.windowHandle(), Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks.size(), 1);
}

}  // namespace
}  // namespace velmora
