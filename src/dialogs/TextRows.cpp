#include "dialogs/TextRows.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextLayout>

#include "text/CodePageText.h"

namespace velmora {

namespace {
constexpr int kFrame = 2;   // a sunken text box frame on each side
constexpr int kMargin = 4;  // the document margin on each side
}  // namespace

void setUpTextBox(QPlainTextEdit& box) {
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.setTabChangesFocus(true);
}

int textBoxTextWidth(int boxWidth) {
    const int scrollBar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return boxWidth - 2 * kFrame - scrollBar - 2 * kMargin;
}

QStringList displayRows(const QString& paragraph, const QFont& font, int textWidth) {
    if (paragraph.isEmpty()) return {QString()};
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList rows;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(textWidth);
        rows << paragraph.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return rows;
}

QStringList displayedLines(const QPlainTextEdit& box) {
    QString text = box.toPlainText();
    if (text.isEmpty()) return {};
    if (text.endsWith(u'\n')) text.chop(1);
    const int width = textBoxTextWidth(box.width());
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) lines << displayRows(paragraph, box.font(), width);
    return lines;
}

RewrapPiece textBoxRewrap(const QFont& font) {
    return [font](const std::string& piece) {
        std::vector<std::string> lines;
        for (const QString& row : displayRows(fromCodePage(piece), font, textBoxTextWidth(600)))
            for (const QString& line : displayRows(row, font, textBoxTextWidth(500))) lines.push_back(toCodePage(line));
        return lines;
    };
}

}  // namespace velmora
