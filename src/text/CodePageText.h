#pragma once

#include <QString>

#include <string>

namespace velmora {

// Between the user interface's text and the 8-bit strings of messages, passwords, settings
// and language packs, in the code page of the user's locale.
QString fromCodePage(const std::string& bytes);
std::string toCodePage(const QString& text);

// The code page every conversion above uses: the locale's, decided at the first conversion,
// unless one was chosen.
const std::string& programCodePage();
// Fixes the code page whatever the locale says, as a run under another locale would have it
// (a test reading a pack written for a Cyrillic desktop on any machine).
void chooseCodePage(std::string codePage);

}  // namespace velmora
