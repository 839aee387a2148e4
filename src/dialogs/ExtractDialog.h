#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/OperationDialog.h"

class QLineEdit;
class QPlainTextEdit;

namespace velmora {

class SkinLabel;

// The dialog of an extract. Its OK button works in two phases, told apart by its caption
// alone: the first press extracts and shows the message; once the caption reads "OK", the
// next press plays the done animation, closes the picture and ends the dialog.
class ExtractDialog : public OperationDialog {
    Q_OBJECT

public:
    struct Operation {
        // The message lines (8-bit strings) when the password matches; nothing when not
        // (the operation has said so).
        std::function<std::optional<std::vector<std::string>>(const std::string& password)> extract;
        // The done animation, its wait, and the carrier closed.
        std::function<void()> finish;
    };

    ExtractDialog(DialogDesktop& desktop, TextLookup texts, Operation operation, QWidget* parent = nullptr);

    void applyTexts();
    // Empties the boxes, puts the button in its first phase and runs the dialog.
    void run(const QWidget& mainWindow);

    QLineEdit* passwordBox() const { return passwordBox_; }
    QPlainTextEdit* textBox() const { return textBox_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void okClicked();
    void saveTextClicked();
    void copyClicked();

    Operation operation_;
    SkinLabel* passwordLabel_;
    QLineEdit* passwordBox_;
    QPlainTextEdit* textBox_;
    QPushButton* okButton_;
};

}  // namespace velmora
