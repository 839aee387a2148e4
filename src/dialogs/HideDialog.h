#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialogs/OperationDialog.h"
#include "engine/ColorValue.h"

class QLineEdit;
class QPlainTextEdit;

namespace velmora {

class ColorCombo;
class NumberBox;
class SkinLabel;

// The dialog of a hide: the password twice, the step, the base colour and the text.
class HideDialog : public OperationDialog {
    Q_OBJECT

public:
    struct Operation {
        // Stores the step and base colour the user confirmed as the remembered ones.
        std::function<void(std::int32_t step, ColorValue baseColor)> remember;
        // Hides the password and lines (8-bit strings) and saves the picture.
        std::function<void(const std::string& password, const std::vector<std::string>& lines)> hide;
    };

    HideDialog(DialogDesktop& desktop, TextLookup texts, Operation operation, QWidget* parent = nullptr);

    void applyTexts();
    // Empties the boxes, fills step and base colour, and runs the dialog over the main window.
    void run(std::int32_t step, ColorValue baseColor, const QWidget& mainWindow);

    QLineEdit* passwordBox() const { return pwdEdit1_; }
    QLineEdit* confirmBox() const { return pwdEdit2_; }
    QPlainTextEdit* textBox() const { return memo_; }
    NumberBox* stepBox() const { return spinEdit_; }
    ColorCombo* colorBox() const { return colorCombo_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void okClicked();
    void openTextClicked();
    void pasteClicked();

    Operation operation_;
    SkinLabel* labels_[4];
    QLineEdit* pwdEdit1_;
    QLineEdit* pwdEdit2_;
    QPlainTextEdit* memo_;
    NumberBox* spinEdit_;
    ColorCombo* colorCombo_;
};

}  // namespace velmora
