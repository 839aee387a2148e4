// The see-through label: access-key markers, auto-size and the edge it keeps.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include "skin/SkinLabel.h"

namespace velmora {
namespace {

TEST(SkinLabel, AmpersandsMarkTheAccessKey) {
    struct Case {
        QString caption;
        QString shown;
        qsizetype underlined;
    };
    const std::vector<Case> cases = {
        {"Save", "Save", -1}, {"&Open", "Open", 0}, {"Fish && Chips", "Fish & Chips", -1},
        {"E&xit", "Exit", 1}, {"&&&Go", "&Go", 1},  {"End&", "End&", -1},
    };
    for (const auto& c : cases) {
        const SkinLabel::ShownText shown = SkinLabel::shownText(c.caption);
        EXPECT_EQ(shown.text, c.shown) << c.caption.toStdString();
        EXPECT_EQ(shown.underlined, c.underlined) << c.caption.toStdString();
    }
}

TEST(SkinLabel, SizesItselfToItsTextKeepingTheLeftOrRightEdge) {
    QWidget parent;
    SkinLabel label(&parent);
    label.move(75, 36);
    label.setCaption(QStringLiteral("&Hide"));
    const QFontMetrics metrics(label.font());
    EXPECT_EQ(label.size(), QSize(metrics.horizontalAdvance(QStringLiteral("Hide")), metrics.height()));
    label.setCaption(QStringLiteral("Hide information"));
    EXPECT_EQ(label.x(), 75);
    EXPECT_EQ(label.width(), metrics.horizontalAdvance(QStringLiteral("Hide information")));
    label.setCaption(QStringLiteral("Two\r\nlines"));
    EXPECT_EQ(label.height(), 2 * metrics.height() + 5);
    label.setCaption(QString());
    EXPECT_EQ(label.size(), QSize(0, 0));

    SkinLabel right(&parent);
    right.setAlignment(SkinLabel::Align::Right);
    right.setCaption(QStringLiteral("Step"));
    right.move(200 - right.width(), 0);
    right.setCaption(QStringLiteral("Step size"));
    EXPECT_EQ(right.geometry().right(), 199);
}

TEST(SkinLabel, ClicksAreReportedAndNothingButTheTextIsPainted) {
    QWidget parent;
    parent.resize(100, 40);
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Qt::green);
    parent.setPalette(palette);
    SkinLabel label(&parent);
    label.setCaption(QStringLiteral("x"));
    QSignalSpy clicks(&label, &SkinLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1);
    // The parent's background shows through everywhere the text does not cover.
    const QImage image = parent.grab().toImage();
    EXPECT_EQ(image.pixelColor(label.width() - 1, label.height() - 1), QColor(Qt::green));
}

}  // namespace
}  // namespace velmora
