#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace velmora {

// What the operation dialogs ask of the desktop: messages, the beep, help, text-file
// dialogs and the clipboard. The program's desktop seam provides it; tests record it.
class DialogDesktop {
public:
    virtual ~DialogDesktop() = default;

    virtual void showMessage(const QString& text) = 0;
    // The application's error box: like a message, with an error icon.
    virtual void showError(const QString& text) = 0;
    virtual void beep() = 0;
    virtual void openHelp(const QString& topic) = 0;
    // "Text files (*.txt)" and "All files (*.*)"; nothing when cancelled.
    virtual std::optional<QString> chooseTextFileToOpen() = 0;
    // "Text files (*.txt)", adding ".txt" to a name without extension; nothing when cancelled.
    virtual std::optional<QString> chooseTextFileToSave() = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
};

// The text the error box shows: a "." is appended when the last character sorts above "."
// (letters, digits, most punctuation), so a sentence always ends with one.
QString errorBoxText(const QString& message);

// A language text by its key (one of keys::, dialogs/LanguageKeys.h).
using TextLookup = std::function<QString(const QString& key)>;

}  // namespace velmora
