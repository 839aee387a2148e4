// What a small hostile file can cost: every command runs under an address-space cap of
// 100 MiB plus velmora-cli's own needs, and a file under 1 MiB never gets past it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestBuild.h"
#include "cli/CliFixture.h"
#include "engine/EngineError.h"
#include "engine/OperationMessages.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

std::string memoryCap() {
#ifdef VELMORA_SANITIZED_BUILD
    return "";  // the sanitizer's own reservations dwarf any cap; the outcomes are still checked
#else
    // 100 MiB for the pictures, plus the 7 MiB of address space velmora-cli takes for itself
    // (measured with prlimit --as on a 64 x 64 picture), rounded up.
    constexpr long kCapBytes = 108L << 20;
    return "prlimit --as=" + std::to_string(kCapBytes) + " ";
#endif
}

void put(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An RLE8 picture whose data is runs of one pixel, dataBytes of them.
Bytes rle8(std::int32_t width, std::int32_t rows, std::size_t dataBytes) {
    test::BmpRecipe recipe;
    recipe.width = width;
    recipe.rows = rows;
    recipe.bitsPerPixel = 8;
    recipe.compression = 1;
    Bytes data;
    for (std::size_t i = 0; i < dataBytes / 2; ++i) data.insert(data.end(), {1, static_cast<std::uint8_t>(i)});
    recipe.pixelData = data;
    return test::buildBmp(recipe);
}

// A GIF whose logical screen is 65535 x 65535, followed by frames of one pixel.
Bytes gifWithHugeScreen(int frames) {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    put(out, 65535, 2);
    put(out, 65535, 2);
    out.insert(out.end(), {0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF});  // two colours
    for (int i = 0; i < frames; ++i) {
        out.insert(out.end(), {',', 0, 0, 0, 0, 1, 0, 1, 0, 0});  // 1 x 1 at (0, 0)
        out.insert(out.end(), {2, 2, 0x4C, 0x01, 0});            // LZW: clear, 1, end
    }
    out.push_back(';');
    return out;
}

// Start of image and a baseline frame header of width x height, then the start of a scan.
Bytes jpegHeader(std::uint16_t width, std::uint16_t height) {
    return {0xFF, 0xD8,
            0xFF, 0xC0, 0, 11, 8, static_cast<std::uint8_t>(height >> 8), static_cast<std::uint8_t>(height),
            static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(width), 1, 1, 0x11, 0,
            0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 63, 0};
}

Bytes iconOfOneImage(std::uint32_t imageBytes) {
    Bytes out;
    put(out, 0, 2);
    put(out, 1, 2);
    put(out, 1, 2);
    out.insert(out.end(), {48, 48, 0, 0, 1, 0, 32, 0});
    put(out, imageBytes, 4);
    put(out, 22, 4);
    return out;
}

Bytes emfHeader(std::int32_t width, std::int32_t height) {
    Bytes out;
    put(out, 1, 4);
    put(out, 88, 4);
    for (const std::int32_t v : {0, 0, width - 1, height - 1}) put(out, static_cast<std::uint32_t>(v), 4);
    out.resize(out.size() + 16);
    put(out, 0x464D4520, 4);
    out.resize(88);
    return out;
}

// Written as it is, then stretched to size with a hole: gigabytes on disk cost nothing.
void writeSparse(const std::string& path, const Bytes& head, std::uintmax_t size) {
    test::writeFile(path, head);
    fs::resize_file(path, size);
}

TEST_F(Cli, NoSmallFileTakesACommandPastTheMemoryCap) {
    constexpr std::size_t kMiB = 1 << 20;
    // With the default limits, 1 MiB less 4 KiB of run-length data may decode to 32 MiB +
    // 32 x its size: exactly 4096 x 4088 pixels of 4 bytes. The largest such picture works...
    test::writeFile(dir.path("largest-rle.bmp"), rle8(4096, 4088, kMiB - 4096));
    // ...and one that claims more, or far more, is refused before anything is allocated.
    test::writeFile(dir.path("taller-rle.bmp"), rle8(4096, 4089, kMiB - 4096));
    test::writeFile(dir.path("gigabyte-rle.bmp"), rle8(16384, 16384, kMiB - 4096));
    test::writeFile(dir.path("huge-rle.bmp"), rle8(65535, 65535, kMiB - 4096));
    test::writeFile(dir.path("huge-screen.gif"), gifWithHugeScreen(60000));
    test::BmpRecipe claims;
    claims.width = 30000;
    claims.rows = 30000;
    claims.pixelData = Bytes(1024, 0);
    test::writeFile(dir.path("claims-rows.bmp"), test::buildBmp(claims));
    for (const char* name : {"largest-rle.bmp", "taller-rle.bmp", "gigabyte-rle.bmp", "huge-rle.bmp", "huge-screen.gif", "claims-rows.bmp"})
        ASSERT_LT(fs::file_size(dir.path(name)), kMiB) << name;

    const std::string pw = dir.path("pw");
    const std::string invalid = std::string("velmora-cli: ") + messages::kBitmapInvalid + "\n";
    const std::string streamError = std::string("velmora-cli: ") + messages::kStreamReadError + "\n";
    const struct {
        const char* picture;
        const char* command;
        int exitCode;
        std::string err;
    } cases[] = {
        {"largest-rle.bmp", "info", 0, ""},
        {"largest-rle.bmp", "capacity", 0, ""},
        {"largest-rle.bmp", "hide", 0, ""},
        {"largest-rle.bmp", "extract", 1, std::string("velmora-cli: ") + messages::kPasswordIncorrect + "\n"},
        {"taller-rle.bmp", "info", 1, invalid},
        {"gigabyte-rle.bmp", "info", 1, invalid},
        {"gigabyte-rle.bmp", "hide", 1, invalid},
        {"huge-rle.bmp", "info", 1, invalid},
        {"huge-rle.bmp", "hide", 1, invalid},
        {"huge-rle.bmp", "extract", 1, invalid},
        {"huge-screen.gif", "info", 0, ""},
        {"huge-screen.gif", "hide", 1, std::string("velmora-cli: ") + messages::kNotABitmap + "\n"},
        {"huge-screen.gif", "extract", 1, std::string("velmora-cli: ") + messages::kPasswordIncorrect + "\n"},
        {"claims-rows.bmp", "info", 1, streamError},
        {"claims-rows.bmp", "capacity", 1, streamError},
    };
    test::writeFile(dir.path("text"), {'h', 'i', '\n'});
    // The same picture on standard input ("-") is held in memory whole, and still fits.
    for (const bool fromStandardInput : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.command) + " " + c.picture + (fromStandardInput ? " on standard input" : ""));
            const Bytes picture = test::readFile(dir.path(c.picture));
            std::vector<std::string> args = {c.command, fromStandardInput ? "-" : dir.path(c.picture)};
            const std::string command = c.command;
            if (command == "capacity") args.insert(args.end(), {"--step", "2"});
            if (command == "hide") args.insert(args.end(), {"-o", dir.path("out.bmp"), "--step", "2", "--text-file", dir.path("text")});
            if (command == "hide" || command == "extract") args.insert(args.end(), {"--password-file", pw});
            const CliRun r = run(args, fromStandardInput ? std::string(picture.begin(), picture.end()) : "", memoryCap());
            EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
            EXPECT_EQ(r.err, c.err);
        }
    }
}

// The size of a GIF, JPEG, icon or metafile comes from its headers: a file of 2 GiB costs what
// a small one does.
TEST_F(Cli, OnlyTheHeadersOfALargePictureAreRead) {
    constexpr std::uintmax_t kTwoGiB = std::uintmax_t{2} << 30;
    writeSparse(dir.path("big.gif"), gifWithHugeScreen(1), kTwoGiB);
    writeSparse(dir.path("big.jpg"), jpegHeader(6000, 4000), kTwoGiB);
    writeSparse(dir.path("big.ico"), iconOfOneImage(static_cast<std::uint32_t>(kTwoGiB - 22)), kTwoGiB);
    writeSparse(dir.path("big.emf"), emfHeader(800, 600), kTwoGiB);
    const struct {
        const char* picture;
        std::string out;
    } cases[] = {
        {"big.gif", "kind: gif\nwidth: 65535\nheight: 65535\n"},
        {"big.jpg", "kind: jpeg\nwidth: 6000\nheight: 4000\n"},
        {"big.ico", "kind: icon\nwidth: 48\nheight: 48\n"},
        {"big.emf", "kind: metafile\nwidth: 800\nheight: 600\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        const CliRun r = run({"info", dir.path(c.picture)}, "", "timeout 20 " + memoryCap());
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

}  // namespace
}  // namespace velmora
