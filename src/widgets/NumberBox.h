#pragma once

#include <QAbstractSpinBox>

#include <functional>

namespace velmora {

// The step box: typed digits, "+", "-" and the decimal separator are taken (anything else,
// Enter included, is refused with a beep); the arrows move the value by 1 within the range;
// a typed value is brought into the range when the box loses the focus.
class NumberBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    NumberBox(int minimum, int maximum, std::function<void()> beep, QWidget* parent = nullptr);

    // The text read as a whole number, brought into the range; text that is no whole number
    // counts as the minimum.
    int value() const;
    void setValue(int value);
    QString text() const;
    void clearText();

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;

signals:
    // The text changed: typed, stepped or set.
    void textChanged();

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int minimum_;
    int maximum_;
    std::function<void()> beep_;
};

}  // namespace velmora
