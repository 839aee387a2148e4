// Where the settings file lives: beside the program when it can be written there, otherwise
// in the user's configuration folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "settings/SettingsLocation.h"
#include "support/BmpBuilder.h"
#include "support/Unprivileged.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

struct Layout {
    const char* what;
    std::function<void(const std::string& programFolder)> prepare;
    bool besideProgram;
};

// Each layout in a fresh folder: the program folder is <tmp>/program/, the configuration
// folder <tmp>/home/config/velmora/ and does not exist yet. The choice is made by the
// unprivileged user, to whom the folder belongs, in a child process.
void expectChoices(const std::vector<Layout>& layouts) {
    for (const Layout& layout : layouts) {
        test::TempDir dir;
        test::giveToUnprivilegedUser(dir.path(""));
        const std::string programFolder = dir.path("program/");
        const std::string configFolder = dir.path("home/config/velmora/");
        layout.prepare(programFolder);
        const test::UserIds user = test::unprivilegedUser();
        for (const auto& entry : fs::recursive_directory_iterator(dir.path("")))
            ASSERT_EQ(::lchown(entry.path().c_str(), user.uid, user.gid), 0) << entry.path();
        const std::string chosen =
            test::runUnprivileged([&] { return chooseSettingsPath(programFolder, configFolder); });
        EXPECT_EQ(chosen, (layout.besideProgram ? programFolder : configFolder) + "velmora.ini") << layout.what;
        EXPECT_EQ(fs::is_directory(configFolder), !layout.besideProgram) << layout.what << ": configuration folder";
    }
}

TEST(SettingsLocation, BesideTheProgramWhenWritableElseInTheConfigurationFolder) {
    expectChoices({
        {"a writable folder without settings yet", [](const std::string& p) { fs::create_directory(p); }, true},
        {"a writable folder with a settings file",
         [](const std::string& p) {
             fs::create_directory(p);
             test::writeFile(p + "velmora.ini", {});
         },
         true},
        {"the program folder does not exist", [](const std::string&) {}, false},
        {"the program folder's path runs through a regular file",
         [](const std::string& p) { test::writeFile(fs::path(p).parent_path().string(), {}); }, false},
        {"a folder stands where the settings file would be",
         [](const std::string& p) { fs::create_directories(p + "velmora.ini"); }, false},
    });
}

// Permission bits hold back every user but root, which is why the choice is made by an
// unprivileged one, to whom these folders and files belong.
TEST(SettingsLocation, ReadOnlyFolderOrFileSendsSettingsToTheConfigurationFolder) {
    expectChoices({
        {"a read-only program folder",
         [](const std::string& p) {
             fs::create_directory(p);
             fs::permissions(p, fs::perms(0555));
         },
         false},
        {"a read-only settings file",
         [](const std::string& p) {
             fs::create_directory(p);
             fs::permissions(p, fs::perms(0755));
             test::writeFile(p + "velmora.ini", {});
             fs::permissions(p + "velmora.ini", fs::perms(0444));
         },
         false},
    });
}

}  // namespace
}  // namespace velmora
