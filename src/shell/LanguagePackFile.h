#pragma once

#include <QString>

#include "shell/UiTexts.h"

namespace velmora {

// The texts of a language pack file (section Velmora, in the 8-bit code page its CodePage key
// names, else the program's): each key the pack has, its built-in text for each key it lacks.
// A missing or unreadable file gives the built-in texts.
UiTexts readLanguagePack(const QString& fileName);

}  // namespace velmora
