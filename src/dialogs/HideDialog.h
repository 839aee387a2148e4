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
        // How many message bytes (password and packed text) the open picture holds at a step.
        std::function<std::int32_t(std::int32_t step)> room;
    };

    HideDialog(DialogDesktop& desktop, TextLookup texts, Operation operation, QWidget* parent = nullptr);

    void applyTexts();
    // Empties the boxes, fills step and base colour, and runs the dialog over the main window.
    void run(std::int32_t step, ColorValue baseColor, const QWidget& mainWindow);

    QLineEdit* passwordBox() const { return passwordBox_; }
    QLineEdit* confirmBox() const { return confirmBox_; }
    QPlainTextEdit* textBox() const { return textBox_; }
    NumberBox* stepBox() const { return stepBox_; }
    ColorCombo* colorBox() const { return colorBox_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The password and the lines Go! would hide, in the code page.
    struct Message {
        std::string password;
        std::vector<std::string> lines;
        std::size_t bytes() const;
    };
    Message message() const;
    // The title: the dialog's name and how much of the picture's room the message takes.
    void showRoom();
    void okClicked();
    void openTextClicked();
    void pasteClicked();

    Operation operation_;
    SkinLabel* labels_[4];
    QLineEdit* passwordBox_;
    QLineEdit* confirmBox_;
    QPlainTextEdit* textBox_;
    NumberBox* stepBox_;
    ColorCombo* colorBox_;
};

}  // namespace velmora
