#pragma once

#include <QDialog>

#include <optional>

#include "dialogs/DialogDesktop.h"
#include "dialogs/OutputPolicy.h"

class QPushButton;
class QRadioButton;

namespace velmora {

class SkinLabel;

// Chooses the output file policy: over the source, a numbered name beside it, or a save
// dialog.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    // firstShown stays selected until a policy is chosen.
    OptionsDialog(TextLookup texts, OutputPolicy firstShown, QWidget* parent = nullptr);

    void applyTexts();
    // Shows the dialog modally over the main window with policy k selected (a k outside the
    // three keeps the last selection); the chosen policy on OK, nothing on Cancel or close.
    std::optional<OutputPolicy> choosePolicy(OutputPolicy k, const QWidget& mainWindow);

    QRadioButton* choice(OutputPolicy k) const;
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    TextLookup texts_;
    SkinLabel* heading_;
    QRadioButton* overSourceChoice_;
    QRadioButton* numberedNameChoice_;
    QRadioButton* askForNameChoice_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace velmora
