#include "widgets/NumberBox.h"

#include "widgets/EnterKey.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace velmora {

NumberBox::NumberBox(int minimum, int maximum, std::function<void()> beep, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum), beep_(std::move(beep)) {
    setValue(minimum);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberBox::textChanged);
}

QString NumberBox::text() const { return lineEdit()->text(); }

void NumberBox::clearText() { lineEdit()->clear(); }

int NumberBox::value() const {
    bool ok = false;
    const qlonglong number = text().trimmed().toLongLong(&ok);
    if (!ok) return minimum_;
    return static_cast<int>(std::clamp<qlonglong>(number, minimum_, maximum_));
}

void NumberBox::setValue(int value) { lineEdit()->setText(QString::number(std::clamp(value, minimum_, maximum_))); }

void NumberBox::stepBy(int steps) {
    setValue(value() + steps);
    lineEdit()->selectAll();
}

QValidator::State NumberBox::validate(QString&, int&) const { return QValidator::Acceptable; }

void NumberBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool enter = isEnterKey(event->key());
    const bool control = typed.isEmpty() || !typed.at(0).isPrint();
    const QChar c = typed.isEmpty() ? QChar() : typed.at(0);
    const bool accepted = c.isDigit() || c == u'+' || c == u'-' || c == QLocale().decimalPoint().at(0);
    if (enter || (!control && !accepted)) {
        if (beep_) beep_();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    setValue(value());
    QAbstractSpinBox::focusOutEvent(event);
}

}  // namespace velmora
