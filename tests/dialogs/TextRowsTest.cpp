// The re-wrap of extracted pieces against text boxes of 600 and 500 pixels as they show them.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "TextWidths.h"
#include "dialogs/TextRows.h"
#include "text/CodePageText.h"
#include "widgets/DialogFont.h"

namespace velmora::test {
namespace {

// A text box set up like the dialogs', shown, so that it has laid out its rows.
class ShownBox {
public:
    ShownBox(int width, const QFont& font) {
        setUpTextBox(box_);
        box_.setFont(font);
        box_.resize(width, 200);
        box_.show();
    }
    QStringList rows(const QString& text) {
        box_.setPlainText(text);
        return displayedLines(box_);
    }
    qreal rowWidth() const { return rowWidthOf(box_); }

private:
    QPlainTextEdit box_;
};

TEST(TextBoxRewrap, LaysPiecesOutAsTheTwoBoxesShowThem) {
    const QFont font = dialogFont();
    ShownBox wide(600, font);
    ShownBox narrow(500, font);
    QString paragraph;
    for (int i = 0; i < 80; ++i) paragraph += QStringLiteral("word%1 ").arg(i);
    const QString fitsNarrow = rowOfWidth(font, narrow.rowWidth());
    const QString fitsWide = rowOfWidth(font, wide.rowWidth());
    ASSERT_FALSE(fitsNarrow.isEmpty() || fitsWide.isEmpty()) << "no row of that width in this font";
    const QStringList pieces = {QStringLiteral("short"), QStringLiteral("a\u00A0b"), paragraph, fitsNarrow, fitsWide,
                                QString(300, u'x')};

    const RewrapPiece rewrap = textBoxRewrap(font);
    for (const QString& piece : pieces) {
        SCOPED_TRACE(piece.toStdString());
        std::vector<std::string> shown;
        for (const QString& row : wide.rows(piece))
            for (const QString& line : narrow.rows(row)) shown.push_back(toCodePage(line));
        EXPECT_EQ(rewrap(toCodePage(piece)), shown);
    }
    EXPECT_EQ(rewrap(toCodePage(fitsNarrow)), std::vector<std::string>{toCodePage(fitsNarrow)})
        << "a row that exactly fits the narrow box stays one line";
}

}  // namespace
}  // namespace velmora::test
