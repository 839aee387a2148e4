#include "settings/SettingsLocation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace velmora {

namespace {

constexpr const char* kSettingsFileName = "velmora.ini";

// Checked with the effective ids, the ones the later writes will run with.
bool writableByThisProcess(const std::string& path, int mode) {
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// The store writes a temporary file in the folder and renames it over the settings file,
// so the folder must take new entries and an existing settings file must be a writable file.
bool canKeepSettingsIn(const std::string& folder, const std::string& fileName) {
    if (!writableByThisProcess(folder, W_OK | X_OK)) return false;
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) return errno == ENOENT;
    return S_ISREG(st.st_mode) && writableByThisProcess(fileName, W_OK);
}

}  // namespace

std::string chooseSettingsPath(const std::string& programFolder, const std::string& userConfigFolder) {
    const std::string besideProgram = programFolder + kSettingsFileName;
    if (canKeepSettingsIn(programFolder, besideProgram)) return besideProgram;
    // A folder that cannot be made shows up at the first write, as "Unable to write to ...".
    std::error_code ignored;
    std::filesystem::create_directories(userConfigFolder, ignored);
    return userConfigFolder + kSettingsFileName;
}

}  // namespace velmora
