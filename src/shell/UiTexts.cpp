#include "shell/UiTexts.h"

#include <array>
#include <utility>

#include "engine/OperationMessages.h"

namespace velmora {

namespace {

struct KeyText {
    const char* key;
    const char* text;
};

// The built-in English texts, spelling included.
constexpr std::array<KeyText, 43> kBuiltIn = {{
    {"ItemA1", "Go!"},
    {"ItemA2", "Can't open file"},
    {"ItemA3", "_New_"},
    {"ItemA4", messages::kTextTooLarge},
    {"ItemA5", messages::kHiddenSuccessfully},
    {"ItemA6", messages::kPasswordIncorrect},
    {"ItemA7", "To begin work just drag and drop graphic file into washing machine"},
    {"ItemA71", "Make right-click on program's window to show menu"},
    {"ItemA72", "Never show this again"},
    {"ItemA8", "About"},
    {"ItemA9", "Close graphics"},
    {"ItemA10", "Exit"},
    {"ItemA11", "Extract information"},
    {"ItemA12", "Hide information"},
    {"ItemA13", "Language"},
    {"ItemA14", "Open graphics"},
    {"ItemA15", "Options"},
    {"ItemA16", "Hide info"},
    {"ItemA17", "Extract"},
    {"ItemA18", "Power"},
    {"ItemA19", "Minimize"},
    {"ItemB1", "Enter the password"},
    {"ItemB3", "Enter the password"},
    {"ItemB4", "Help"},
    {"ItemB5", "Cancel"},
    {"ItemB6", "Go!"},
    {"ItemB7", "Save as text file"},
    {"ItemB8", "Copy into clipboard"},
    {"ItemC1", "The password is incorrect"},
    {"ItemC2", "The information is not entered"},
    {"ItemD1", "Enter the password"},
    {"ItemD2", "Confirm the password"},
    {"ItemD3", "Step"},
    {"ItemD4", "Base color"},
    {"ItemD5", "Open text file"},
    {"ItemD6", "Paste from clipboard"},
    {"ItemD7", "Help"},
    {"ItemD8", "Cancel"},
    {"ItemD9", "Go!"},
    {"ItemE1", "Saving the initial file"},
    {"ItemE2", "Don't save"},
    {"ItemE3", "Save automatically"},
    {"ItemE4", "Show dialogue window while saving"},
}};

}  // namespace

UiTexts::UiTexts() {
    for (const auto& [key, text] : kBuiltIn) texts_.insert(QString::fromLatin1(key), QString::fromLatin1(text));
}

const QStringList& UiTexts::keys() {
    static const QStringList all = [] {
        QStringList list;
        for (const auto& entry : kBuiltIn) list << QString::fromLatin1(entry.key);
        return list;
    }();
    return all;
}

QString UiTexts::builtIn(const QString& key) {
    for (const auto& [k, text] : kBuiltIn)
        if (key == QLatin1String(k)) return QString::fromLatin1(text);
    return {};
}

}  // namespace velmora
