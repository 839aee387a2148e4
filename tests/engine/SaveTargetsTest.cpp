// What a save does to the file it replaces: the targets it must refuse and leave as they
// are, the ones it writes through, and what it leaves in the folder. Permission cases run as
// an unprivileged user in a child process, so root CI runs them too.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "engine/EngineError.h"
#include "engine/FileIo.h"
#include "engine/TemporaryFile.h"
#include "support/BmpBuilder.h"
#include "support/Unprivileged.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const std::string kNewContents = "new picture";
const std::string kOldContents = "old picture";

void writeText(const std::string& path, const std::string& text) { test::writeFile(path, test::Bytes(text.begin(), text.end())); }

std::string readText(const std::string& path) {
    const test::Bytes bytes = test::readFile(path);
    return {bytes.begin(), bytes.end()};
}

// Saves kNewContents to target; "saved", or the message and the reason.
std::string save(const std::string& target, TemporaryKind kind) {
    try {
        writeFileAtomically(target, [](OutputFile& out) {
            out.write(std::span(reinterpret_cast<const std::uint8_t*>(kNewContents.data()), kNewContents.size()));
        }, kind);
        return "saved";
    } catch (const EngineError& e) {
        return std::string(e.what()) + " | " + e.reason();
    }
}

// Everything a refused save must leave as it was: kind, permissions, owner, link target and,
// for a regular file, the contents.
std::string snapshot(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return "missing";
    std::string s = std::to_string(st.st_mode) + " " + std::to_string(st.st_uid) + ":" + std::to_string(st.st_gid);
    if (S_ISLNK(st.st_mode)) s += " -> " + fs::read_symlink(path).string();
    if (S_ISREG(st.st_mode)) s += " " + readText(path);
    return s;
}

std::vector<std::string> temporaryFilesUnder(const std::string& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (isTemporaryFileName(entry.path().filename().string())) found.push_back(entry.path().string());
    return found;
}

void makeSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << path;
    ::close(fd);
}

void ownedBy(const std::string& path, uid_t uid, gid_t gid, mode_t mode) {
    ASSERT_EQ(::lchown(path.c_str(), uid, gid), 0) << path;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

struct TargetCase {
    const char* name;
    // Builds the fixture in a folder owned by the unprivileged user; returns the target.
    std::function<std::string(const std::string& folder)> prepare;
    std::string reason;  // empty: the save is made
    bool needsAnotherUser = false;  // only root can make a file belong to someone else
};

const std::string kNotRegular = messages::kNotARegularFile;

std::vector<TargetCase> targetCases() {
    const test::UserIds me = test::unprivilegedUser();
    const std::string longName(250, 'n');
    return {
        {"a file of this user with mode 0444",
         [=](const std::string& d) {
             writeText(d + "t.bmp", kOldContents);
             ownedBy(d + "t.bmp", me.uid, me.gid, 0444);
             return d + "t.bmp";
         },
         "Permission denied"},
        {"another user's file this user may only read",
         [](const std::string& d) {
             writeText(d + "t.bmp", kOldContents);
             ownedBy(d + "t.bmp", 0, 0, 0644);
             return d + "t.bmp";
         },
         "Permission denied", true},
        {"another user's file this user may write",
         [](const std::string& d) {
             writeText(d + "t.bmp", kOldContents);
             ownedBy(d + "t.bmp", 0, 0, 0666);
             return d + "t.bmp";
         },
         messages::kOwnerNotKept, true},
        {"a writable file in a folder this user may not write",
         [=](const std::string& d) {
             fs::create_directory(d + "ro");
             writeText(d + "ro/t.bmp", kOldContents);
             ownedBy(d + "ro/t.bmp", me.uid, me.gid, 0644);
             ownedBy(d + "ro", me.uid, me.gid, 0555);
             return d + "ro/t.bmp";
         },
         "Permission denied"},
        {"the null device", [](const std::string&) { return std::string("/dev/null"); }, kNotRegular},
        {"a FIFO",
         [](const std::string& d) {
             ::mkfifo((d + "fifo.bmp").c_str(), 0666);
             return d + "fifo.bmp";
         },
         kNotRegular},
        {"a socket",
         [](const std::string& d) {
             makeSocket(d + "s.bmp");
             return d + "s.bmp";
         },
         kNotRegular},
        {"a symbolic link to the null device",
         [](const std::string& d) {
             fs::create_symlink("/dev/null", d + "null.bmp");
             return d + "null.bmp";
         },
         kNotRegular},
        {"a symbolic link to a FIFO",
         [](const std::string& d) {
             ::mkfifo((d + "fifo").c_str(), 0666);
             fs::create_symlink("fifo", d + "link.bmp");
             return d + "link.bmp";
         },
         kNotRegular},
        {"a folder",
         [](const std::string& d) {
             fs::create_directory(d + "dir.bmp");
             return d + "dir.bmp";
         },
         "Is a directory"},
        {"a name ending in a slash", [](const std::string& d) { return d + "new.bmp/"; }, "Is a directory"},
        {"a name of 256 bytes", [](const std::string& d) { return d + std::string(256, 'n'); }, "File name too long"},
        {"an empty name", [](const std::string&) { return std::string(); }, "No such file or directory"},
        {"a dangling symbolic link",
         [](const std::string& d) {
             fs::create_symlink(d + "made.bmp", d + "dangling.bmp");
             return d + "dangling.bmp";
         },
         ""},
        {"a chain of relative links, the last one dangling",
         [](const std::string& d) {
             fs::create_directory(d + "sub");
             fs::create_symlink("sub/second.bmp", d + "first.bmp");
             fs::create_symlink("../made.bmp", d + "sub/second.bmp");
             return d + "first.bmp";
         },
         ""},
        {"a file of this user",
         [=](const std::string& d) {
             writeText(d + "t.bmp", kOldContents);
             ownedBy(d + "t.bmp", me.uid, me.gid, 0640);
             return d + "t.bmp";
         },
         ""},
        {"a new name of 250 bytes", [=](const std::string& d) { return d + longName; }, ""},
        {"a folder this user may add to but not list",
         [=](const std::string& d) {
             fs::create_directory(d + "drop");
             ownedBy(d + "drop", me.uid, me.gid, 0300);
             return d + "drop/new.bmp";
         },
         ""},
    };
}

class SaveTargets : public ::testing::TestWithParam<TemporaryKind> {};

TEST_P(SaveTargets, RefusesWhatItMayNotReplaceAndWritesThroughLinks) {
    ASSERT_EQ(test::runUnprivileged([] { return std::to_string(::geteuid()); }),
              std::to_string(test::unprivilegedUser().uid));
    for (const TargetCase& c : targetCases()) {
        SCOPED_TRACE(c.name);
        if (c.needsAnotherUser && !test::runningAsRoot()) {
            std::cerr << "[ NOTE     ] not run without root, which alone can give a file to another user: " << c.name << '\n';
            continue;
        }
        test::TempDir dir;
        const std::string folder = dir.path("");
        test::giveToUnprivilegedUser(folder);
        const std::string target = c.prepare(folder);
        const std::string before = snapshot(target);

        const std::string outcome = test::runUnprivileged([&] { return save(target, GetParam()); });

        if (c.reason.empty()) {
            EXPECT_EQ(outcome, "saved");
            const std::string written = fs::canonical(target).string();
            EXPECT_EQ(readText(written), kNewContents);
            EXPECT_EQ(fs::is_symlink(target), before.find(" -> ") != std::string::npos) << "a link stays a link";
            struct stat st {};
            ASSERT_EQ(::stat(written.c_str(), &st), 0);
            EXPECT_EQ(st.st_uid, test::unprivilegedUser().uid);
            if (before != "missing" && before.find(" -> ") == std::string::npos) {
                EXPECT_EQ(st.st_mode & 07777, 0640u) << "the old file's permissions";
            }
        } else {
            EXPECT_EQ(outcome, "Cannot create file " + target + " | " + c.reason);
            EXPECT_EQ(snapshot(target), before) << "left exactly as it was";
        }
        EXPECT_EQ(temporaryFilesUnder(folder), std::vector<std::string>{});
        for (const char* folderName : {"ro", "drop"}) ::chmod(dir.path(folderName).c_str(), 0755);  // removable by anyone
    }
}

INSTANTIATE_TEST_SUITE_P(BothTemporaryKinds, SaveTargets,
                         ::testing::Values(TemporaryKind::UnnamedWherePossible, TemporaryKind::Named),
                         [](const auto& cell) {
                             return cell.param == TemporaryKind::Named ? std::string("Named") : std::string("Unnamed");
                         });

// Root may write another user's file; the file must stay that user's, with its group and mode.
TEST(SaveOwnership, RootKeepsTheOwnerGroupAndModeOfAnotherUsersFile) {
    if (!test::runningAsRoot()) GTEST_SKIP() << "only root may write over another user's file";
    for (const TemporaryKind kind : {TemporaryKind::UnnamedWherePossible, TemporaryKind::Named}) {
        test::TempDir dir;
        const std::string target = dir.path("theirs.bmp");
        writeText(target, kOldContents);
        ownedBy(target, 65534, 65534, 02640);
        EXPECT_EQ(save(target, kind), "saved");
        struct stat st {};
        ASSERT_EQ(::stat(target.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
        EXPECT_EQ(st.st_mode & 07777, 02640u) << "set-group-id survives the change of owner";
        EXPECT_EQ(readText(target), kNewContents);
    }
}

}  // namespace
}  // namespace velmora
