#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

namespace velmora {

class DialogDesktop;

// What the hide and extract dialogs share: size and font, the frame lines, flat buttons
// that never take the focus, placement over the main window, and a modal run that survives
// the dialog hiding itself while its operation plays in the drum.
class OperationDialog : public QDialog {
    Q_OBJECT

public:
    OperationDialog(DialogDesktop& desktop, int height, QWidget* parent);

    // Placed over the main window, shown modally until it closes.
    void runModal(const QWidget& mainWindow);

protected:
    QPushButton* addButton(const char* name, QRect place);
    void addFrameLine(QRect place);
    // Runs an operation with the dialog hidden, so the drum shows through; the main window
    // takes no command meanwhile, as if the dialog were still up. An error ends the dialog
    // on its way to the error box, so it never stays hidden and modal.
    void runHidden(const std::function<void()>& operation);
    // The same, and the dialog ends with the operation.
    void runHiddenThenClose(const std::function<void()>& operation);

    DialogDesktop& desktop_;
};

}  // namespace velmora
