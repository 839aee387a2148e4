#pragma once

#include <QString>

#include <optional>

#include "dialogs/DialogDesktop.h"

class QDialog;

namespace velmora {

// Everything the program shows to the user or asks of the desktop goes through here, so
// every flow can run headless in tests with a recorder in place of the real desktop.
// Messages and errors (a modal box titled "Velmora" with the text and one OK button), the beep, help,
// text files and the clipboard come from the dialogs' part of it.
class Desktop : public DialogDesktop {
public:
    // The open dialog for pictures ("Bitmap files (*.bmp)"); nothing when cancelled.
    virtual std::optional<QString> chooseOpenPicture() = 0;
    // The save dialog for the changed picture; adds ".bmp" to a name without extension.
    virtual std::optional<QString> chooseSavePicture() = 0;
    // Runs, modally, a dialog the program opens by itself rather than at a command (the
    // first-run tips at start); its result code.
    virtual int runModal(QDialog& dialog) = 0;
    // Whether the desktop has a system tray to minimise into.
    virtual bool hasSystemTray() = 0;
};

}  // namespace velmora
