#pragma once

#include <QString>

#include <string>

namespace velmora {

// Between the user interface's text and the 8-bit strings of messages, passwords, settings
// and language packs, in the code page of the user's locale.
QString fromCodePage(const std::string& bytes);
std::string toCodePage(const QString& text);

}  // namespace velmora
