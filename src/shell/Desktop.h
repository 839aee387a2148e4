#pragma once

#include <QString>

#include <optional>

#include "dialogs/DialogDesktop.h"

namespace velmora {

// Everything the program shows to the user or asks of the desktop goes through here, so
// every flow can run headless in tests with a recorder in place of the real desktop.
// Messages (a modal box titled "Velmora" with the text and one OK button), the beep, help,
// text files and the clipboard come from the dialogs' part of it.
class Desktop : public DialogDesktop {
public:
    // The application's error box: like a message, with an error icon.
    virtual void showError(const QString& text) = 0;
    // The open dialog for pictures ("Bitmap files (*.bmp)"); nothing when cancelled.
    virtual std::optional<QString> chooseOpenPicture() = 0;
    // The save dialog for the changed picture; adds ".bmp" to a name without extension.
    virtual std::optional<QString> chooseSavePicture() = 0;
    // Whether the desktop has a system tray to minimise into.
    virtual bool hasSystemTray() = 0;
};

// The text the error box shows: a "." is appended when the last character sorts above "."
// (letters, digits, most punctuation), so a sentence always ends with one.
QString errorBoxText(const QString& message);

}  // namespace velmora
