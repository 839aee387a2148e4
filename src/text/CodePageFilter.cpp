#include "text/CodePageFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QValidator>

#include "text/CodePageText.h"

namespace velmora {

namespace {

class CodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = storableText(input);
        return Acceptable;
    }
};

}  // namespace

QString storableText(const QString& text) { return fromCodePage(toCodePage(text)); }

void restrictToCodePage(QLineEdit* edit) { edit->setValidator(new CodePageValidator(edit)); }

void CodePageTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (!printable || isReadOnly() || storableText(typed) == typed) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    insertPlainText(storableText(typed));
    event->accept();
}

void CodePageTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) insertPlainText(storableText(source->text()));
}

}  // namespace velmora
