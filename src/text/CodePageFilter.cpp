#include "text/CodePageFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QValidator>

#include "text/CodePageText.h"

namespace velmora {

namespace {

// The line edit asks once for each edit and undoes an edit that comes back Invalid, so a box
// that holds only storable text is refused exactly the edits that bring in something else.
class CodePageValidator : public QValidator {
public:
    CodePageValidator(std::function<void()> refused, QObject* parent)
        : QValidator(parent), refused_(std::move(refused)) {}

    State validate(QString& input, int&) const override {
        if (storableText(input) == input) return Acceptable;
        if (refused_) refused_();
        return Invalid;
    }

private:
    std::function<void()> refused_;
};

}  // namespace

QString storableText(const QString& text) { return fromCodePage(toCodePage(text)); }

void refuseOutsideCodePage(QLineEdit* edit, std::function<void()> refused) {
    edit->setValidator(new CodePageValidator(std::move(refused), edit));
}

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
