#pragma once

#include <QPlainTextEdit>

class QLineEdit;

namespace velmora {

// Text boxes hold only what the 8-bit code page can store: a character it cannot hold
// becomes "?" as it is typed or pasted, so what the user sees is exactly what is kept.

// The text as the code page gives it back.
QString storableText(const QString& text);

void restrictToCodePage(QLineEdit* edit);

// A multi-line text box that keeps to the code page for typed and pasted text.
class CodePageTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace velmora
