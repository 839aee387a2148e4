// A picture that changes while velmora-cli has it open: a new permission, link or access time
// changes nothing; new bytes end the command with their own message; and a save never reports
// success for an output made of two versions of its source.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "cli/CliFixture.h"
#include "engine/EngineError.h"
#include "engine/OperationMessages.h"
#include "support/FileChanges.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const std::string kChanged = std::string("velmora-cli: ") + messages::kFileChanged + "\n";

class ChangedSource : public Cli {
protected:
    // Runs velmora-cli with its password coming through a FIFO. The command opens the picture
    // before it reads the password, so the picture is open while the FIFO waits: the change is
    // made then, and the password handed over after it.
    CliRun runChangingWhileOpen(std::vector<std::string> args, const std::string& picture,
                                const std::function<void(const std::string&)>& change) {
        const std::string fifo = dir.path("pw-fifo");
        fs::remove(fifo);
        EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        args.insert(args.end(), {"--password-file", fifo});
        auto result = std::async(std::launch::async, [&] { return run(args, "the text\n"); });
        int writer = -1;
        for (int tries = 0; writer < 0 && tries < 10000; ++tries) {
            writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);  // ENXIO until the reader opens
            if (writer < 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        EXPECT_GE(writer, 0) << "velmora-cli never asked for the password";
        change(picture);
        if (writer >= 0) {
            EXPECT_EQ(::write(writer, "secret\n", 7), 7);
            ::close(writer);
        }
        return result.get();
    }
};

TEST_F(ChangedSource, OnlyNewBytesInTheOpenPictureStopAHideOrAnExtract) {
    for (const test::FileChange& change : test::fileChanges()) {
        SCOPED_TRACE(change.name);
        test::writeFile(dir.path("pic.bmp"), test::buildBmp(test::BmpRecipe{}));
        fs::remove(dir.path("out.bmp"));
        const CliRun hidden = runChangingWhileOpen({"hide", dir.path("pic.bmp"), "-o", dir.path("out.bmp"), "--step", "3"},
                                                   dir.path("pic.bmp"), change.apply);
        if (change.content) {
            EXPECT_EQ(hidden.exitCode, 1);
            EXPECT_EQ(hidden.err, kChanged);
            EXPECT_FALSE(fs::exists(dir.path("out.bmp")));
            test::writeFile(dir.path("pic.bmp"), test::buildBmp(test::BmpRecipe{}));
            ASSERT_EQ(hide("the text\n").exitCode, 0);
        } else {
            EXPECT_EQ(hidden.exitCode, 0) << hidden.err;
        }

        const CliRun extracted = runChangingWhileOpen({"extract", dir.path("out.bmp")}, dir.path("out.bmp"), change.apply);
        if (change.content) {
            EXPECT_EQ(extracted.exitCode, 1);
            EXPECT_EQ(extracted.err, kChanged);
        } else {
            EXPECT_EQ(extracted.exitCode, 0) << extracted.err;
            EXPECT_EQ(extracted.out, "the text\n");
        }
        fs::remove(dir.path("pic.bmp.link"));
        fs::remove(dir.path("out.bmp.link"));
    }
}

// Another program writes a whole new picture over the source, with one write() each time,
// again and again at random moments while hides copy it. Every output reported as written
// must be one picture or the other, row for row; every other hide says why it failed. The last
// hides write to standard output, which cannot be taken back: there the failure is the exit
// code and the message after the bytes.
TEST_F(ChangedSource, ASaveNeverReportsSuccessForAMixOfTwoVersionsOfItsSource) {
    constexpr int kWidth = 2000, kRows = 1500, kStride = kWidth * 3, kPixelOffset = 54;
    const auto pictureOf = [&](std::uint8_t fill) {
        test::BmpRecipe recipe{.width = kWidth, .rows = kRows};
        recipe.pixelData = test::Bytes(std::size_t{kStride} * kRows, fill);
        return test::buildBmp(recipe);
    };
    const test::Bytes first = pictureOf(0x11), second = pictureOf(0x22);

    std::vector<std::string> folders = {dir.path("")};
    if (fs::is_directory("/dev/shm")) folders.push_back("/dev/shm");  // tmpfs as well as the disk
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        const std::string source = (fs::path(folder) / ("velmora-source-" + std::to_string(::getpid()) + ".bmp")).string();
        test::writeFile(source, first);

        const pid_t rewriter = ::fork();
        if (rewriter == 0) {
            const int fd = ::open(source.c_str(), O_WRONLY);
            std::minstd_rand pauses(static_cast<unsigned>(::getpid()));
            for (bool useSecond = true; fd >= 0; useSecond = !useSecond) {
                const test::Bytes& picture = useSecond ? second : first;
                if (::pwrite(fd, picture.data(), picture.size(), 0) < 0) break;
                ::usleep(static_cast<useconds_t>(pauses() % 300000));
            }
            ::_exit(0);
        }
        ASSERT_GT(rewriter, 0);

        constexpr int kToFiles = 24, kToStandardOutput = 12;
        int written = 0, refused = 0;
        for (int i = 0; i < kToFiles + kToStandardOutput; ++i) {
            const bool toStandardOutput = i >= kToFiles;
            const std::string output = toStandardOutput ? "-" : dir.path("out" + std::to_string(i) + ".bmp");
            // At step 7 the message's slots lie in the top rows, which a hide reads; the rows
            // below are copied by the save.
            const CliRun r = run({"-q", "hide", source, "-o", output, "--step", "7", "--password-file", dir.path("pw")},
                                 "a message\n");
            if (r.exitCode != 0) {
                ++refused;
                EXPECT_EQ(r.exitCode, 1);
                EXPECT_EQ(r.err, kChanged);
                if (!toStandardOutput) {
                    EXPECT_FALSE(fs::exists(output));
                }
                continue;
            }
            ++written;
            // In each row a pixel that is no slot: pixel number y * 2000 + x + 1 is a slot when
            // it is a multiple of 7.
            const test::Bytes saved = toStandardOutput ? test::Bytes(r.out.begin(), r.out.end()) : test::readFile(output);
            ASSERT_EQ(saved.size(), first.size());
            std::set<std::uint8_t> versions;
            for (int y = 0; y < kRows; ++y) {
                const int x = (y * kWidth + 2) % 7 == 0 ? 2 : 1;
                const std::size_t storedRow = static_cast<std::size_t>(kRows - 1 - y);  // bottom-up
                versions.insert(saved[kPixelOffset + storedRow * kStride + 3 * static_cast<std::size_t>(x)]);
            }
            EXPECT_EQ(versions.size(), 1u) << "output " << i << " mixes the two pictures";
            if (!toStandardOutput) fs::remove(output);
        }
        ::kill(rewriter, SIGKILL);
        ::waitpid(rewriter, nullptr, 0);
        fs::remove(source);
        std::cout << folder << ": " << written << " hides written, " << refused << " refused\n";
        EXPECT_EQ(written + refused, kToFiles + kToStandardOutput);
    }
}

}  // namespace
}  // namespace velmora
