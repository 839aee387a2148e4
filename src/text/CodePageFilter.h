#pragma once

#include <QPlainTextEdit>

#include <functional>

class QLineEdit;

namespace velmora {

// Boxes hold only what the 8-bit code page can store. In a text box a character it cannot hold
// becomes "?" as it is typed or pasted, so what the user sees is exactly what is kept; a
// one-line box for a password refuses it instead, since "?" would weaken the password.

// The text as the code page gives it back.
QString storableText(const QString& text);

// Every edit that would bring a character the code page cannot store into the box (typed, pasted,
// dropped or composed) is refused whole, and refused() is called.
void refuseOutsideCodePage(QLineEdit* edit, std::function<void()> refused);

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
