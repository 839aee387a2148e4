#include "dialogs/TextRows.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include "text/CodePageText.h"

namespace velmora {

namespace {

// The rows of a laid-out paragraph. A forced line break (Shift+Enter) ends its row and is no
// character of it.
QStringList rowsOf(const QString& paragraph, const QTextLayout& layout) {
    QStringList rows;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        QString row = paragraph.mid(line.textStart(), line.textLength());
        if (row.endsWith(QChar::LineSeparator)) row.chop(1);
        rows << row;
    }
    return rows;
}

// How a text box set up like the dialogs' lays a paragraph out at a given outer width: its font,
// its wrapping and the width of its rows, all read from such a box laid out once off screen.
class TextBoxLayout {
public:
    TextBoxLayout(int boxWidth, const QFont& font) {
        QPlainTextEdit box;
        box.setAttribute(Qt::WA_DontShowOnScreen);
        setUpTextBox(box);
        box.setFont(font);
        box.resize(boxWidth, 100);
        box.setPlainText(QStringLiteral("x"));
        box.show();  // a hidden box has not laid out its viewport yet
        const QTextDocument& document = *box.document();
        const QTextBlock block = document.firstBlock();
        qobject_cast<QPlainTextDocumentLayout*>(document.documentLayout())->ensureBlockLayout(block);
        font_ = document.defaultFont();
        option_ = document.defaultTextOption();
        rowWidth_ = block.layout()->lineAt(0).width();
    }

    QStringList rows(const QString& paragraph) const {
        QTextLayout layout(paragraph, font_);
        layout.setTextOption(option_);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(rowWidth_);
        layout.endLayout();
        return rowsOf(paragraph, layout);
    }

private:
    QFont font_;
    QTextOption option_;
    qreal rowWidth_ = 0;
};

}  // namespace

void setUpTextBox(QPlainTextEdit& box) {
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.setTabChangesFocus(true);
}

QStringList displayedLines(const QPlainTextEdit& box) {
    const QTextDocument& document = *box.document();
    const auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document.documentLayout());
    QStringList lines;
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        lines << rowsOf(block.text(), *block.layout());
    }
    // Only the row after a final line break, or the one row of an empty box, is empty at the end.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QStringList textLines(const QPlainTextEdit& box) {
    // The raw text, since the plain text turns non-breaking spaces into spaces.
    QString text = box.document()->toRawText();
    if (text.isEmpty()) return {};
    text.replace(QChar::LineSeparator, QChar::ParagraphSeparator);
    return text.split(QChar::ParagraphSeparator);
}

RewrapPiece textBoxRewrap(const QFont& font) {
    return [wide = TextBoxLayout(600, font), narrow = TextBoxLayout(500, font)](const std::string& piece) {
        std::vector<std::string> lines;
        for (const QString& row : wide.rows(fromCodePage(piece)))
            for (const QString& line : narrow.rows(row)) lines.push_back(toCodePage(line));
        return lines;
    };
}

}  // namespace velmora
