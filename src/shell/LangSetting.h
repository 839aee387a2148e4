#pragma once

#include <QString>

#include <string>

namespace velmora {

// The chosen language pack ("&" and the pack's name) as the settings file's Lang value. A name
// the 8-bit code page holds is written as it always was; any other (letters the code page
// lacks, control characters, edge spaces or quotes that the file's syntax would eat) is written
// as "%" and then its UTF-8 bytes percent-encoded ("&Ёлка" as "%%26%D0%81%D0%BB%D0%BA%D0%B0"),
// which no earlier value can be mistaken for, since those all begin with "&".
std::string langToSetting(const QString& lang);
QString langFromSetting(const std::string& value);

}  // namespace velmora
