#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "dialogs/DialogDesktop.h"
#include "widgets/PasswordBox.h"

class QPushButton;

namespace velmora {

// What the hide and extract dialogs share: one fixed size, the font, the tiled background and etched
// frame lines, the row of flat picture buttons that never take the focus (OpentextButton, PasteButton, OKButton, HelpButton, CancelButton),
// placement over the main window and inside the screen, and a modal run that survives the dialog hiding itself
// while its operation plays in the drum.
class OperationDialog : public QDialog {
    Q_OBJECT

public:
    // The pictures of the two text buttons (OpentextButton, PasteButton), which differ by dialog.
    struct TextButtonPictures {
        QString openText;
        QString paste;
    };

    // Help (and F1) opens helpTopic; Cancel (and Escape) closes the dialog; Ctrl+Enter presses OK.
    OperationDialog(DialogDesktop& desktop, TextLookup texts, const QString& helpTopic,
                    const TextButtonPictures& pictures, QWidget* parent);

    // Placed over the main window (moved inside the screen where that would cross its edge),
    // shown modally until it closes.
    void runModal(const QWidget& mainWindow);
    QPushButton* button(const char* name) const;

signals:
    // The dialog is hidden for an operation (true) and back (false): the main window takes no
    // command meanwhile, as if the dialog were still up.
    void working(bool busy);

protected:
    // The captions of the button row, by language key, in the row's order.
    void applyButtonTexts(const std::array<QLatin1String, 5>& captionKeys);
    // On a screen too low for the whole dialog, the text box gives up height (down to a few
    // rows) and the controls under it move up, so that the buttons stay on the screen; the
    // full size comes back where it fits.
    void fitScreenWithTextBox(QWidget& textBox);
    // A frame round the controls (height over 2) or a line above them (height 2).
    void addFrameLine(QRect place);
    // The desktop's beep, for the controls that refuse a key.
    std::function<void()> beeper() {
        return [this] { desktop_.beep(); };
    }
    // For the password boxes: the beep, and the language's words for a refused letter at the box.
    PasswordRefusal passwordRefusal();
    // Runs an action of a button; an error goes to the error box here, at the button, because
    // an exception must not unwind through Qt's event dispatch (what it skips leaks). Whether
    // the action succeeded.
    bool reportingErrors(const std::function<void()>& action);
    // Runs an operation with the dialog hidden, so the drum shows through. An error ends the
    // dialog before the error box shows, so it never stays hidden and modal. Whether the
    // operation succeeded.
    bool runHidden(const std::function<void()>& operation);
    // The same, and the dialog ends with a successful operation.
    void runHiddenThenClose(const std::function<void()>& operation);

    DialogDesktop& desktop_;
    TextLookup texts_;

private:
    // `room`: what the client area has on the screen.
    void fitTextBoxInto(QWidget& textBox, QSize room);

    int shrunkBy_ = 0;
};

}  // namespace velmora
