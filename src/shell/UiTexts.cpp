#include "shell/UiTexts.h"

#include <array>
#include <utility>

#include "dialogs/LanguageKeys.h"
#include "engine/EngineError.h"
#include "engine/OperationMessages.h"

namespace velmora {

namespace {

struct KeyText {
    QLatin1String key;
    const char* text;
};

// The built-in English texts, spelling included.
constexpr std::array<KeyText, 47> kBuiltIn = {{
    {keys::kExtractFirstPhaseButton, "Go!"},
    {keys::kCannotOpenFile, "Can't open file"},
    {keys::kNumberedNameInfix, "_New_"},
    {keys::kTextTooLarge, messages::kTextTooLarge},
    {keys::kHiddenSuccessfully, messages::kHiddenSuccessfully},
    {keys::kPasswordIncorrect, messages::kPasswordIncorrect},
    {keys::kDropTip, "To begin work just drag and drop graphic file into washing machine"},
    {keys::kMenuTip, "Make right-click on program's window to show menu"},
    {keys::kNeverShowAgain, "Never show this again"},
    {keys::kAbout, "About"},
    {keys::kClosePicture, "Close graphics"},
    {keys::kExit, "Exit"},
    {keys::kExtractInformation, "Extract information"},
    {keys::kHideInformation, "Hide information"},
    {keys::kLanguage, "Language"},
    {keys::kOpenPicture, "Open graphics"},
    {keys::kOptions, "Options"},
    {keys::kHideCaption, "Hide info"},
    {keys::kExtractCaption, "Extract"},
    {keys::kPowerCaption, "Power"},
    {keys::kMinimize, "Minimize"},
    {keys::kExtractNoPassword, "Enter the password"},
    {keys::kExtractPasswordLabel, "Enter the password"},
    {keys::kHelp, "Help"},
    {keys::kCancel, "Cancel"},
    {keys::kExtractGoButton, "Go!"},
    {keys::kSaveTextFile, "Save as text file"},
    {keys::kCopyToClipboard, "Copy into clipboard"},
    {keys::kPasswordNotConfirmed, "The password is incorrect"},
    {keys::kNoTextEntered, "The information is not entered"},
    {keys::kHidePasswordLabel, "Enter the password"},
    {keys::kConfirmPasswordLabel, "Confirm the password"},
    {keys::kStepLabel, "Step"},
    {keys::kBaseColorLabel, "Base color"},
    {keys::kOpenTextFile, "Open text file"},
    {keys::kPasteFromClipboard, "Paste from clipboard"},
    {keys::kHideHelp, "Help"},
    {keys::kHideCancel, "Cancel"},
    {keys::kHideGoButton, "Go!"},
    {keys::kOutputHeading, "Saving the initial file"},
    {keys::kOverSourceChoice, "Don't save"},
    {keys::kNumberedNameChoice, "Save automatically"},
    {keys::kAskForNameChoice, "Show dialogue window while saving"},
    {keys::kHideRoom, "%1 of %2 bytes"},
    {keys::kHideRoomTooLarge, "too large"},
    {keys::kLetterNotStorable, "This letter cannot be stored and was left out"},
    {keys::kFileChanged, messages::kFileChanged},
}};

}  // namespace

UiTexts::UiTexts() {
    for (const auto& [key, text] : kBuiltIn) texts_.insert(key, QString::fromLatin1(text));
}

const QStringList& UiTexts::keys() {
    static const QStringList all = [] {
        QStringList list;
        for (const auto& entry : kBuiltIn) list << entry.key;
        return list;
    }();
    return all;
}

QString UiTexts::builtIn(const QString& key) {
    for (const auto& [k, text] : kBuiltIn)
        if (key == k) return QString::fromLatin1(text);
    return {};
}

}  // namespace velmora
