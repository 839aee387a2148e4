// A save that is interrupted, killed, or whose source changes under it leaves the old file
// byte for byte and no temporary file behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include "engine/EngineError.h"
#include "engine/FileIo.h"
#include "engine/InterruptCleanup.h"
#include "engine/TemporaryFile.h"
#include "support/BmpBuilder.h"
#include "support/Expect.h"
#include "support/FileClock.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const test::Bytes kOld = {'o', 'l', 'd'};

std::string temporaryFileIn(const std::string& folder) {
    for (const std::string& name : test::namesIn(folder))
        if (isTemporaryFileName(name)) return name;
    return {};
}

// A child process, set up as velmora-cli is, that starts saving target and stops half way
// through writing it until a signal comes. Returns once the child has stopped there.
pid_t startStoppedSave(const std::string& target, TemporaryKind kind) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        removeTemporaryFilesOnInterrupt();
        try {
            writeFileAtomically(target, [&](OutputFile& out) {
                out.write(std::vector<std::uint8_t>(4096, 'n'));
                [[maybe_unused]] auto w = ::write(ready[1], "!", 1);
                for (;;) ::pause();
            }, kind);
        } catch (...) {
        }
        ::_exit(3);
    }
    ::close(ready[1]);
    char signal = 0;
    const bool stopped = ::read(ready[0], &signal, 1) == 1;
    ::close(ready[0]);
    return stopped ? pid : -1;
}

int endedBySignal(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
}

struct Interruption {
    TemporaryKind kind;
    int signal;
};

TEST(InterruptedSave, ASignalLeavesTheOldFileAndNoTemporaryFile) {
    for (const Interruption c : {Interruption{TemporaryKind::UnnamedWherePossible, SIGTERM},
                                 Interruption{TemporaryKind::Named, SIGTERM}, Interruption{TemporaryKind::Named, SIGINT},
                                 Interruption{TemporaryKind::Named, SIGHUP}}) {
        SCOPED_TRACE(std::string(c.kind == TemporaryKind::Named ? "named, " : "unnamed, ") + strsignal(c.signal));
        test::TempDir dir;
        const std::string target = dir.path("out.bmp");
        test::writeFile(target, kOld);
        const pid_t pid = startStoppedSave(target, c.kind);
        ASSERT_GT(pid, 0);
        // Half way: a named temporary file is there to be removed; an unnamed one has no name.
        EXPECT_EQ(temporaryFileIn(dir.path("")).empty(), c.kind != TemporaryKind::Named);
        ::kill(pid, c.signal);
        EXPECT_EQ(endedBySignal(pid), c.signal) << "the program still ends as the signal says";
        EXPECT_EQ(test::readFile(target), kOld);
        EXPECT_EQ(test::namesIn(dir.path("")), std::set<std::string>{"out.bmp"});
    }
}

// SIGKILL cannot be caught: an unnamed temporary file goes with the process, a named one stays
// until a later save into the folder, of either kind, finds it unlocked and removes it.
TEST(InterruptedSave, AKilledSaveLeavesNothingOrWhatTheNextSaveClears) {
    for (const TemporaryKind nextKind : {TemporaryKind::UnnamedWherePossible, TemporaryKind::Named}) {
        SCOPED_TRACE(nextKind == TemporaryKind::Named ? "next save named" : "next save unnamed");
        test::TempDir dir;
        const std::string target = dir.path("out.bmp");
        test::writeFile(target, kOld);
        const auto saveOnce = [&] {
            writeFileAtomically(dir.path("other.bmp"), [](OutputFile& out) { out.write(std::vector<std::uint8_t>{'x'}); },
                                nextKind);
        };

        const pid_t unnamed = startStoppedSave(target, TemporaryKind::UnnamedWherePossible);
        ASSERT_GT(unnamed, 0);
        ::kill(unnamed, SIGKILL);
        EXPECT_EQ(endedBySignal(unnamed), SIGKILL);
        EXPECT_EQ(test::namesIn(dir.path("")), std::set<std::string>{"out.bmp"});

        // A save still running holds its file locked: even an old-looking one stays.
        const pid_t running = startStoppedSave(target, TemporaryKind::Named);
        ASSERT_GT(running, 0);
        const std::string runningName = temporaryFileIn(dir.path(""));
        ASSERT_FALSE(runningName.empty());
        test::setModifiedTime(dir.path(runningName), -3600);
        saveOnce();
        EXPECT_TRUE(fs::exists(dir.path(runningName))) << "a live save's file is never swept away";

        // Killed now, and freshly written: no longer locked, so the next save clears it.
        test::setModifiedTime(dir.path(runningName), 0);
        ::kill(running, SIGKILL);
        EXPECT_EQ(endedBySignal(running), SIGKILL);
        saveOnce();
        EXPECT_EQ(test::namesIn(dir.path("")), (std::set<std::string>{"other.bmp", "out.bmp"}));
        EXPECT_EQ(test::readFile(target), kOld);
    }
}

// The source is rewritten in place after part of it was copied, with its size and
// modification time put back as they were; the bytes read before give it away.
TEST(InterruptedSave, ASourceChangedWhileItIsCopiedFailsTheSave) {
    test::TempDir dir;
    const std::string source = dir.path("source.bmp");
    const test::Bytes original(300 * 1024, 0x11);
    test::writeFile(source, original);
    test::writeFile(dir.path("out.bmp"), kOld);
    test::waitUntilTheClockPasses(source);
    for (const TemporaryKind kind : {TemporaryKind::UnnamedWherePossible, TemporaryKind::Named}) {
        const SourceFile file(source);
        try {
            writeFileAtomically(dir.path("out.bmp"), [&](OutputFile& out) {
                out.copyFrom(file, 0, original.size() / 2);
                test::rewriteInPlaceKeepingSizeAndTime(source, 0x22);
                out.copyFrom(file, original.size() / 2, original.size() - original.size() / 2);
            }, kind);
            ADD_FAILURE() << "a mixed file was saved";
        } catch (const FileChangedError& e) {
            EXPECT_EQ(std::string(e.what()), messages::kFileChanged);
        }
        EXPECT_EQ(test::readFile(dir.path("out.bmp")), kOld);
        EXPECT_EQ(test::namesIn(dir.path("")), (std::set<std::string>{"out.bmp", "source.bmp"}));
        test::writeFile(source, original);
        test::waitUntilTheClockPasses(source);
    }
}

}  // namespace
}  // namespace velmora
