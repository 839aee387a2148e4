#pragma once

#include <string>

namespace velmora {

// Where the settings file lives: beside the program when this process can write there (the
// folder, and the file itself when it exists), so a portable copy carries its settings;
// otherwise in the user's configuration folder, which is created with its parents when
// missing. Both folders are given with their trailing "/".
std::string chooseSettingsPath(const std::string& programFolder, const std::string& userConfigFolder);

}  // namespace velmora
