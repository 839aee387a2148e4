// The files beside the program are untrusted input like any picture: a huge animation, a FIFO
// for a menu picture, a pack, help or settings file of a gigabyte, and Qt's own file-reading
// options on the command line must neither stop the window from appearing nor take memory
// past a cap.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>
#include <QProcess>

#include <filesystem>
#include <functional>

#include "DesktopSession.h"
#include "support/BuildPaths.h"
#include "support/GifBuilder.h"

namespace velmora::desktop {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kOneGiB = std::uintmax_t{1} << 30;

void sparse(const QString& path, std::uintmax_t size, const QByteArray& head = {}) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + path.toStdString());
    file.write(head);
    file.close();
    fs::resize_file(path.toStdString(), size);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// A GIF of a few dozen bytes: one 1 x 1 frame on a screen of side x side.
QByteArray gifWithScreen(int side) {
    test::GifRecipe recipe{.width = side, .height = side, .globalColors = {0x000000, 0xFFFFFF}};
    recipe.frames.push_back({.indices = {1}});
    const test::Bytes bytes = test::buildGif(recipe);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QStringList memoryCap() {
#ifdef VELMORA_SANITIZED_BUILD
    return {};  // a sanitizer reserves terabytes of address space for itself
#else
    // The program on Xvfb takes about 250 MiB of address space (Qt, its plugins, fonts, thread
    // stacks); what the cases below used to take came on top: a gigabyte and more, or no end.
    return {QStringLiteral("prlimit"), QStringLiteral("--as=%1").arg(std::uint64_t{640} << 20)};
#endif
}

struct SideFileCase {
    const char* name;
    std::function<void(const QString& folder)> plant;
    QStringList arguments;
};

TEST(Desktop, HostileFilesBesideTheProgramNeitherStopTheWindowNorTakeMemory) {
    const auto at = [](const QString& folder, const char* name) { return folder + QLatin1Char('/') + QLatin1String(name); };
    const std::vector<SideFileCase> cases = {
        {"an idle animation declaring a 20000 x 20000 screen",
         [&](const QString& f) { writeBytes(at(f, "1.gif"), gifWithScreen(20000)); }, {}},
        {"an idle animation declaring a 65535 x 65535 screen",
         [&](const QString& f) { writeBytes(at(f, "1.gif"), gifWithScreen(65535)); }, {}},
        {"an idle animation of a gigabyte", [&](const QString& f) { sparse(at(f, "1.gif"), kOneGiB, gifWithScreen(100)); }, {}},
        {"a FIFO for the pack's menu picture",
         [&](const QString& f) {
             QFile::remove(at(f, "Language/English.bmp"));
             ::mkfifo(at(f, "Language/English.bmp").toLocal8Bit().constData(), 0644);
         },
         {}},
        {"a FIFO for the pack", [&](const QString& f) {
             QFile::remove(at(f, "Language/English.lng"));
             ::mkfifo(at(f, "Language/English.lng").toLocal8Bit().constData(), 0644);
         }, {}},
        {"a pack of a gigabyte", [&](const QString& f) { sparse(at(f, "Language/English.lng"), kOneGiB, "[Velmora]\n"); }, {}},
        {"a menu picture of a gigabyte", [&](const QString& f) { sparse(at(f, "Language/English.bmp"), kOneGiB, "BM"); }, {}},
        {"a settings file of a gigabyte",
         [&](const QString& f) { sparse(at(f, "velmora.ini"), kOneGiB, "[Main]\nFirstOpen=0\n"); }, {}},
        // Taken as two pictures to open, which are not BMP files: a message says so.
        {"Qt's style sheet option reading /dev/zero", {}, {"-stylesheet", "/dev/zero"}},
    };
    for (const SideFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            RunningProgram program({.plant = c.plant, .wrapper = memoryCap(), .arguments = c.arguments});
            EXPECT_NE(program.window(), WindowId{0});
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

// F1 reads the help file: one of a gigabyte is refused at its size, and the viewer says so.
TEST(Desktop, AHelpFileOfAGigabyteIsRefusedAtItsSize) {
    ProgramStart start;
    start.plant = [](const QString& f) { sparse(f + QStringLiteral("/help_eng.hlp"), kOneGiB, "<html>"); };
    start.wrapper = memoryCap();
    RunningProgram program(start);
    input::click(program.at({200, 100}));
    input::key("F1");
    EXPECT_TRUE(program.awaitOtherWindow().has_value()) << "the help viewer opens with its notice";
    EXPECT_EQ(QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-0"), QString::number(program.pid())}), 0)
        << "the program still runs";
}

}  // namespace
}  // namespace velmora::desktop
