// The etched frame lines: the painted pixels of a box and of a separator, see-through elsewhere,
// and never in the way of the mouse.
#include "anim/EtchedBorder.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <vector>

namespace velmora {
namespace {

using Art = std::vector<std::string>;  // 'd' shadow, 'l' highlight, '.' the dialog beneath

const QColor kShadow(128, 0, 0);
const QColor kHighlight(0, 128, 0);
const QColor kDialog(0, 0, 200);

// The border at (3, 3) on a blue parent; the parent is rendered, so whatever the border leaves
// alone shows the parent's blue.
Art paintedArt(EtchedBorder::Shape shape, QSize size) {
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, kDialog);
    palette.setColor(QPalette::Dark, kShadow);
    palette.setColor(QPalette::Light, kHighlight);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    parent.resize(size + QSize(6, 6));
    auto* border = new EtchedBorder(shape, &parent);
    border->setGeometry(QRect(QPoint(3, 3), size));
    QImage image(parent.size(), QImage::Format_RGB32);
    parent.render(&image);
    Art art;
    for (int y = 0; y < size.height(); ++y) {
        std::string row;
        for (int x = 0; x < size.width(); ++x) {
            const QRgb pixel = image.pixel(x + 3, y + 3);
            row += pixel == kShadow.rgb() ? 'd' : pixel == kHighlight.rgb() ? 'l' : pixel == kDialog.rgb() ? '.' : '?';
        }
        art.push_back(row);
    }
    return art;
}

// The shadow frame runs round (0, 0)-(4, 3), the highlight frame one pixel right and below,
// round (1, 1)-(5, 4); where they cross, the shadow stays on top.
TEST(EtchedBorder, BoxIsAShadowFrameOverAnOffsetHighlightFrame) {
    const Art expected{
        "ddddd.",
        "dllldl",
        "dl..dl",
        "dddddl",
        ".lllll",
    };
    EXPECT_EQ(paintedArt(EtchedBorder::Shape::Box, {6, 5}), expected);
}

// A separator draws only the top line, across the whole width.
TEST(EtchedBorder, SeparatorIsTheTopLineOnly) {
    const Art expected{
        "dddddddd",
        "llllllll",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
    };
    EXPECT_EQ(paintedArt(EtchedBorder::Shape::Separator, {8, 9}), expected);
}

TEST(EtchedBorder, NeverTakesTheMouseOrFocus) {
    QWidget parent;
    parent.resize(100, 100);
    auto* border = new EtchedBorder(EtchedBorder::Shape::Box, &parent);
    border->setGeometry(8, 8, 80, 80);
    EXPECT_EQ(parent.childAt(8, 8), nullptr);
    EXPECT_EQ(parent.childAt(40, 40), nullptr);
    EXPECT_EQ(border->focusPolicy(), Qt::NoFocus);
}

}  // namespace
}  // namespace velmora
