#pragma once

#include <QString>

namespace velmora {

// velmora.ini in the program folder when the program may write there (a portable copy),
// otherwise in the user's configuration folder (~/.config/velmora/).
QString settingsFilePath(const QString& programFolder);

// The folder of the executable, ending with "/".
QString programFolder();

}  // namespace velmora
