#pragma once

#include <QString>

#include <optional>

namespace velmora {

// Everything the program shows to the user or asks of the desktop goes through here, so
// every flow can run headless in tests with a recorder in place of the real desktop.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal box titled "Velmora" with the text and one OK button.
    virtual void showMessage(const QString& text) = 0;
    // The application's error box: like a message, with an error icon.
    virtual void showError(const QString& text) = 0;
    // The open dialog for pictures ("Bitmap files (*.bmp)"); nothing when cancelled.
    virtual std::optional<QString> chooseOpenPicture() = 0;
    // The save dialog for the changed picture; adds ".bmp" to a name without extension.
    virtual std::optional<QString> chooseSavePicture() = 0;
    virtual void beep() = 0;
    // Opens the help viewer at a topic ("ID_01", "ID_02", "ID_03").
    virtual void openHelp(const QString& topic) = 0;
};

// The text the error box shows: a "." is appended when the last character sorts above "."
// (letters, digits, most punctuation), so a sentence always ends with one.
QString errorBoxText(const QString& message);

}  // namespace velmora
