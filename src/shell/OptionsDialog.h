#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

class UiTexts;

// Chooses the output file policy: 1 over the source, 2 a numbered name beside it, 3 a save
// dialog.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    void applyTexts(const UiTexts& texts);
    // Shows the dialog modally over the main window with policy k selected (any other k keeps
    // the last selection); the chosen policy on OK, nothing on Cancel or close.
    std::optional<int> choosePolicy(int k, const QWidget& mainWindow);

    QRadioButton* choice(int k) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    QLabel* heading_;
    QRadioButton* rb1_;
    QRadioButton* rb2_;
    QRadioButton* rb3_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace velmora
