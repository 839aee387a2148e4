// velmora-cli's saves: what they refuse to replace, what they write through, in which order
// they reach the disk, and what a SIGTERM half way leaves behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "cli/CliFixture.h"
#include "engine/EngineError.h"
#include "engine/OperationMessages.h"
#include "engine/TemporaryFile.h"
#include "support/Unprivileged.h"
#include "support/BuildPaths.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const test::Bytes kOld = {'o', 'l', 'd'};

std::string readText(const std::string& path) {
    const test::Bytes bytes = test::readFile(path);
    return {bytes.begin(), bytes.end()};
}

TEST_F(Cli, OutputsTheUserMayNotReplaceAreRefusedAndLeftAsTheyWere) {
    test::giveToUnprivilegedUser(dir.path(""));
    const test::UserIds me = test::unprivilegedUser();
    const auto oldFile = [&](const std::string& name, uid_t uid, gid_t gid, mode_t mode) {
        test::writeFile(dir.path(name), kOld);
        ASSERT_EQ(::chown(dir.path(name).c_str(), uid, gid), 0);
        ::chmod(dir.path(name).c_str(), mode);
    };
    oldFile("mine-readonly.bmp", me.uid, me.gid, 0444);
    if (test::runningAsRoot()) oldFile("roots.bmp", 0, 0, 0666);
    ::mkfifo(dir.path("fifo.bmp").c_str(), 0666);
    fs::create_symlink("/dev/null", dir.path("null.bmp"));
    fs::create_symlink("made.bmp", dir.path("dangling.bmp"));
    const struct {
        const char* output;
        std::string reason;  // empty: saved
    } cases[] = {
        {"mine-readonly.bmp", "Permission denied"},
        {"roots.bmp", messages::kOwnerNotKept},
        {"fifo.bmp", messages::kNotARegularFile},
        {"null.bmp", messages::kNotARegularFile},
        {"dangling.bmp", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        if (!fs::exists(fs::symlink_status(dir.path(c.output)))) continue;  // another user's file needs root
        const std::string output = dir.path(c.output);
        const CliRun r = run({"hide", dir.path("pic.bmp"), "-o", output, "--step", "3", "--password-file", dir.path("pw")},
                             "hello\n", "timeout 20 " + test::unprivilegedCommandPrefix());
        if (c.reason.empty()) {
            EXPECT_EQ(r.exitCode, 0) << r.err;
            EXPECT_TRUE(fs::is_symlink(output));
            EXPECT_EQ(fs::file_size(dir.path("made.bmp")), fs::file_size(dir.path("pic.bmp")));
            continue;
        }
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, "velmora-cli: " + messages::cannotCreateFile(output) + "\nvelmora-cli: " + c.reason + "\n");
        if (fs::is_regular_file(output)) {
            EXPECT_EQ(test::readFile(output), kOld);
        }
    }
    EXPECT_TRUE(fs::is_fifo(dir.path("fifo.bmp")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    for (const std::string& name : test::namesIn(dir.path(""))) EXPECT_FALSE(name.starts_with(".velmora-")) << name;
}

// The header keeps the file size in 32 bits: a larger picture was saved with its size wrapped.
// The source here is sparse, so the refusal must come before the save writes anything.
TEST_F(Cli, APictureWhoseFileWouldPassFourGiBIsRefusedBeforeAnythingIsWritten) {
    constexpr std::uint32_t kWidth = 40000, kRows = 36000, kStride = kWidth * 3;
    constexpr std::uint64_t kFileSize = 54 + std::uint64_t{kStride} * kRows;
    static_assert(kFileSize > 0xFFFFFFFFu);
    test::Bytes header;
    const auto le = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) header.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    header = {'B', 'M'};
    le(0, 4), le(0, 4), le(54, 4);                         // file size (unused), reserved, pixel offset
    le(40, 4), le(kWidth, 4), le(kRows, 4), le(1, 2), le(24, 2);
    le(0, 4), le(0, 4), le(2835, 4), le(2835, 4), le(0, 4), le(0, 4);
    test::writeFile(dir.path("huge.bmp"), header);
    fs::resize_file(dir.path("huge.bmp"), kFileSize);
    test::writeFile(dir.path("out.bmp"), kOld);

    const CliRun r = run({"hide", dir.path("huge.bmp"), "-o", dir.path("out.bmp"), "--step", "500", "--password-file",
                          dir.path("pw")},
                         "a message\n", "timeout 60");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "velmora-cli: " + messages::tooLargeForBmp(messages::cannotCreateFile(dir.path("out.bmp"))) + "\n");
    EXPECT_EQ(test::readFile(dir.path("out.bmp")), kOld);
    EXPECT_EQ(test::namesIn(dir.path("")), (std::set<std::string>{"huge.bmp", "out.bmp", "pic.bmp", "pw", "stdin", "stdout", "stderr"}));

    // Standard output, which cannot be taken back, gets no byte of it either.
    const CliRun piped = run({"hide", dir.path("huge.bmp"), "-o", "-", "--step", "500", "--password-file", dir.path("pw")},
                             "a message\n", "timeout 60");
    EXPECT_EQ(piped.exitCode, 1);
    EXPECT_EQ(piped.out, "");
    EXPECT_EQ(piped.err, "velmora-cli: " + messages::tooLargeForBmp("Cannot write to standard output") + "\n");
}

TEST_F(Cli, AFileNameOfTwoHundredFiftyBytesSaves) {
    const std::string output = dir.path(std::string(246, 'n').append(".bmp"));
    const CliRun r = hide("hello\n", {"-o", output});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(fs::file_size(output), fs::file_size(dir.path("pic.bmp")));
}

// The new file's data reaches the disk before any name points at it, and the folder holding
// the new name is flushed afterwards.
TEST_F(Cli, ASaveFlushesTheDataBeforeTheRenameAndTheFolderAfter) {
    const std::string log = dir.path("probe.log");
    const std::string probe = "LD_PRELOAD=" + quoted(test::besideTestProgram(VELMORA_SYNC_PROBE_PATH)) + " VELMORA_SYNC_PROBE_LOG=" + quoted(log);
    ASSERT_EQ(hide("first\n", {}, probe).exitCode, 0);
    EXPECT_EQ(readText(log), "fdatasync file\nlinkat\nfsync folder\n") << "a new output is linked in one step";
    fs::remove(log);
    ASSERT_EQ(hide("second\n", {}, probe).exitCode, 0);
    // The first link finds the name taken; the file gets a temporary name that replaces it.
    EXPECT_EQ(readText(log), "fdatasync file\nlinkat\nlinkat\nrenameat\nfsync folder\n") << "an existing one is replaced";
}

// SIGKILL cannot be caught, and may land anywhere in a save, over and over. A temporary file
// it leaves (an unnamed one has a name only for the instant before its rename, named through
// /proc or, without it, from its descriptor) is cleared by the next save into the folder. The
// cases without /proc need root to hide it (a mount namespace of their own).
TEST_F(Cli, SavesKilledAtAnyMomentLeaveNothingTheNextSaveDoesNotClear) {
    test::BmpRecipe recipe;
    recipe.width = 2048;
    recipe.rows = 2048;  // 12 MiB: a save long enough for kills to land in every part of it
    test::writeFile(dir.path("big.bmp"), test::buildBmp(recipe));
    test::writeFile(dir.path("text"), {'h', 'i', '\n'});
    test::giveToUnprivilegedUser(dir.path(""));
    const std::string withoutProc = "unshare -m sh -c 'mount -t tmpfs none /proc && exec \"$0\" \"$@\"' ";
    std::vector<std::pair<const char*, std::string>> variants = {{"with /proc", ""}};
    // A sanitizer's runtime cannot work without /proc: those cases run in the normal build.
    constexpr bool kSanitized =
#ifdef VELMORA_SANITIZED_BUILD
        true;
#else
        false;
#endif
    if (test::runningAsRoot() && !kSanitized) {
        variants.push_back({"without /proc", withoutProc});
        variants.push_back({"without /proc, unprivileged", withoutProc + test::unprivilegedCommandPrefix()});
    }
    std::minstd_rand delays(7);
    for (const auto& [name, prefix] : variants) {
        SCOPED_TRACE(name);
        fs::remove(dir.path("out.bmp"));  // root's output is not the unprivileged user's to replace
        std::string args;
        for (const std::string& a : {std::string("hide"), dir.path("big.bmp"), std::string("-o"), dir.path("out.bmp"),
                                     std::string("--step"), std::string("7"), std::string("--password-file"), dir.path("pw"),
                                     std::string("--text-file"), dir.path("text")})
            args += " " + quoted(a);
        int left = 0;
        for (int i = 0; i < 16; ++i) {
            const std::string delay = std::to_string(static_cast<double>(delays() % 300) / 1000);  // 0 to 0.299 s
            const std::string command = "timeout -s KILL " + delay + " " + prefix + quoted(cliProgram()) + args +
                                        " </dev/null >/dev/null 2>&1";
            [[maybe_unused]] const int status = std::system(command.c_str());
            for (const std::string& entry : test::namesIn(dir.path(""))) left += isTemporaryFileName(entry) ? 1 : 0;
        }
        const std::string command = prefix + quoted(cliProgram()) + args + " </dev/null >/dev/null 2>" + quoted(dir.path("stderr"));
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << readText(dir.path("stderr"));
        for (const std::string& entry : test::namesIn(dir.path(""))) EXPECT_FALSE(isTemporaryFileName(entry)) << entry;
        std::cout << name << ": " << left << " temporary files seen after the kills, none after the next save\n";
    }
}

// Starts velmora-cli in a session of its own with the given standard streams.
pid_t start(const std::vector<std::string>& args, const std::string& in, const std::string& out, const std::string& err) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    ::setsid();
    const auto redirect = [](const std::string& path, int flags, int fd) {
        const int opened = ::open(path.c_str(), flags, 0644);
        ::dup2(opened, fd);
        ::close(opened);
    };
    redirect(in, O_RDONLY, 0);
    redirect(out, O_WRONLY | O_CREAT | O_TRUNC, 1);
    redirect(err, O_WRONLY | O_CREAT | O_TRUNC, 2);
    execCli(args);
}

// Whether the process holds a file it is writing in folder: an unnamed one ("#<inode>
// (deleted)") or a named temporary one.
bool isSaving(pid_t pid, const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", ec)) {
        const std::string target = fs::read_symlink(entry.path(), ec).string();
        if (target.starts_with(folder) && (target.find("/#") != std::string::npos || target.find("/.velmora-") != std::string::npos))
            return true;
    }
    return false;
}

// A 48 MiB picture takes long enough to copy and flush that the signal lands half way; should
// a fast machine finish first, the attempt is made again.
TEST_F(Cli, SigtermHalfWayThroughASaveLeavesSourceOldOutputAndFolderAsTheyWere) {
    test::BmpRecipe recipe;
    recipe.width = 4096;
    recipe.rows = 4096;
    const test::Bytes source = test::buildBmp(recipe);
    test::writeFile(dir.path("big.bmp"), source);
    const std::set<std::string> before = [&] {
        test::writeFile(dir.path("out.bmp"), kOld);
        test::writeFile(dir.path("text"), {'h', 'i', '\n'});
        test::writeFile(dir.path("stdout"), {});
        test::writeFile(dir.path("stderr"), {});
        return test::namesIn(dir.path(""));
    }();
    int interrupted = 0;
    for (int attempt = 0; attempt < 5 && interrupted == 0; ++attempt) {
        const pid_t pid = start({"hide", dir.path("big.bmp"), "-o", dir.path("out.bmp"), "--step", "7", "--password-file",
                                 dir.path("pw"), "--text-file", dir.path("text")},
                                dir.path("text"), dir.path("stdout"), dir.path("stderr"));
        ASSERT_GT(pid, 0);
        int status = 0;
        while (::waitpid(pid, &status, WNOHANG) == 0) {
            if (isSaving(pid, dir.path(""))) {
                ::kill(pid, SIGTERM);
                ::waitpid(pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        if (WIFSIGNALED(status)) {
            ++interrupted;
            EXPECT_EQ(WTERMSIG(status), SIGTERM);
            EXPECT_EQ(test::readFile(dir.path("out.bmp")), kOld) << "the old output stays byte for byte";
        } else {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "ended with status " << status;
            test::writeFile(dir.path("out.bmp"), kOld);  // done before the signal: try again
        }
        EXPECT_EQ(test::readFile(dir.path("big.bmp")), source) << "the source is never touched";
        EXPECT_EQ(test::namesIn(dir.path("")), before) << "nothing left behind";
    }
    EXPECT_EQ(interrupted, 1) << "no attempt was caught half way";
}

}  // namespace
}  // namespace velmora
