#pragma once

#include <QPlainTextEdit>
#include <QTextLayout>

namespace velmora::test {

// The width of a text on one row, as a text layout in that font measures it.
inline qreal naturalWidth(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.naturalTextWidth();
}

// The width a shown text box gives each row: its viewport less the document's margins.
inline qreal rowWidthOf(const QPlainTextEdit& box) {
    return box.viewport()->width() - 2 * box.document()->documentMargin();
}

// A row of words no wider than width and less than a pixel narrower: short words, the last
// one tuned with letters of different widths. Empty when the font allows no such row.
inline QString rowOfWidth(const QFont& font, qreal width) {
    QString words;
    while (naturalWidth(words + QStringLiteral("word "), font) < width - 60) words += QStringLiteral("word ");
    for (int x = 0; x < 12; ++x)
        for (int i = 0; i < 12; ++i)
            for (int l = 0; l < 12; ++l) {
                const QString row = words + QString(x, u'x') + QString(i, u'i') + QString(l, u'l');
                const qreal rowWidth = naturalWidth(row, font);
                if (rowWidth <= width && rowWidth > width - 1) return row;
            }
    return {};
}

}  // namespace velmora::test
