#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>  // jpeglib.h uses FILE without including it
#include <iterator>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "engine/EngineError.h"
#include "engine/GifSize.h"
#include "engine/IconSize.h"
#include "engine/JpegSize.h"
#include "engine/MetafileSize.h"
#include "support/BmpBuilder.h"
#include "support/JpegBuilder.h"

namespace velmora {
namespace {

using File = std::vector<std::uint8_t>;
using SizeReader = PictureSize (*)(std::span<const std::uint8_t>);

// Little-endian file builder for the hand-made fixtures.
class FileBuilder {
public:
    FileBuilder& u8(std::uint8_t v) { data_.push_back(v); return *this; }
    FileBuilder& u16(std::uint16_t v) {
        return u8(static_cast<std::uint8_t>(v)).u8(static_cast<std::uint8_t>(v >> 8));
    }
    FileBuilder& u32(std::uint32_t v) {
        return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16));
    }
    FileBuilder& i16(std::int16_t v) { return u16(static_cast<std::uint16_t>(v)); }
    FileBuilder& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
    FileBuilder& text(std::string_view s) { data_.insert(data_.end(), s.begin(), s.end()); return *this; }
    FileBuilder& zeros(std::size_t count) { data_.resize(data_.size() + count); return *this; }
    FileBuilder& padTo(std::size_t length) { data_.resize(length); return *this; }
    File file() const { return data_; }

private:
    File data_;
};

File truncated(File file, std::size_t length) {
    file.resize(length);
    return file;
}

File withU32At(File file, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    return file;
}

std::string sizeText(std::int32_t width, std::int32_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// What a reader made of a file, as text so that sizes and error messages compare and print alike.
std::string outcomeOf(SizeReader read, const File& file) {
    try {
        const PictureSize size = read(file);
        return sizeText(size.width, size.height);
    } catch (const EngineError& e) {
        return e.what();
    }
}

struct Case {
    std::string name;
    File file;
    std::string expected;  // sizeText(...) or the exact error message
};

// Also checks that no reader (or the C library under it) prints anything, whatever the input.
void expectOutcomes(SizeReader read, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        const std::string outcome = outcomeOf(read, c.file);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(outcome, c.expected);
    }
}

// ---- JPEG ----------------------------------------------------------------------------------

constexpr std::size_t kSoiLength = 2;

// Offset of the first marker 0xFF <code> after the start-of-image marker.
std::size_t jpegMarker(const File& file, std::uint8_t code) {
    for (std::size_t i = kSoiLength; i + 1 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] == code) return i;
    }
    ADD_FAILURE() << "marker not found";
    return 0;
}

// Zeroes the height in the baseline start-of-frame segment (marker, length, precision, height).
File withZeroJpegHeight(File file) {
    const std::size_t height = jpegMarker(file, 0xC0) + 5;
    file[height] = 0;
    file[height + 1] = 0;
    return file;
}

// libjpeg warns about, and then skips, bytes that are not a marker where one belongs.
File withJunkBeforeFirstMarker(File file) {
    const std::uint8_t junk[] = {0x12, 0x34, 0x56};
    file.insert(file.begin() + kSoiLength, std::begin(junk), std::end(junk));
    return file;
}

TEST(JpegSizeTest, ReadsHeaderOfRealJpegs) {
    std::vector<Case> cases;
    for (const auto& [w, h] : {std::pair{1, 1}, {33, 17}, {640, 480}, {JPEG_MAX_DIMENSION, 2}}) {
        cases.push_back({"encoded " + sizeText(w, h), test::buildJpeg(w, h), sizeText(w, h)});
    }
    cases.push_back(
        {"junk before a marker", withJunkBeforeFirstMarker(test::buildJpeg(40, 30)), sizeText(40, 30)});
    expectOutcomes(readJpegSize, cases);
}

TEST(JpegSizeTest, ReportsLibjpegErrorNumber) {
    expectOutcomes(readJpegSize, {
        {"bitmap", test::buildBmp({}), messages::jpegError(JERR_NO_SOI)},
        {"empty", {}, messages::jpegError(JERR_INPUT_EMPTY)},
        {"start-of-image only", truncated(test::buildJpeg(8, 8), kSoiLength), messages::jpegError(JERR_NO_IMAGE)},
        {"zero height", withZeroJpegHeight(test::buildJpeg(8, 8)), messages::jpegError(JERR_EMPTY_IMAGE)},
    });
}

// ---- GIF -----------------------------------------------------------------------------------

constexpr std::uint8_t kGlobalColorTable = 0x80;  // low bits 0: two colours

// Signature, logical screen descriptor, optional global colour table, trailer.
File gif(std::string_view signature, std::uint16_t width, std::uint16_t height, std::uint8_t flags = 0) {
    FileBuilder bytes;
    bytes.text(signature).u16(width).u16(height).u8(flags).u8(0).u8(0);
    if (flags & kGlobalColorTable) bytes.zeros(2 * 3);
    return bytes.u8(';').file();
}

constexpr std::size_t kGifHeaderLength = 13;

TEST(GifSizeTest, ReadsLogicalScreenOfEitherVersionInAnyCase) {
    expectOutcomes(readGifSize, {
        {"87a", gif("GIF87a", 1, 1), sizeText(1, 1)},
        {"89a", gif("GIF89a", 320, 65535), sizeText(320, 65535)},
        {"89a with colour table", gif("GIF89a", 40, 33, kGlobalColorTable), sizeText(40, 33)},
        {"gif89A", gif("gif89A", 64, 48), sizeText(64, 48)},
        {"gIf87A with colour table", gif("gIf87A", 7, 9, kGlobalColorTable), sizeText(7, 9)},
        {"header only", truncated(gif("GIF89a", 32, 32), kGifHeaderLength), sizeText(32, 32)},
    });
}

TEST(GifSizeTest, RefusesOtherSignaturesAndShortHeaders) {
    expectOutcomes(readGifSize, {
        {"GIF88a", gif("GIF88a", 32, 32), messages::kUnknownGifVersion},
        {"GIF89b", gif("GIF89b", 32, 32), messages::kUnknownGifVersion},
        {"PNG", gif("\x89PNG\r\n", 32, 32), messages::kUnknownGifVersion},
        {"GIF89a, screen cut short", truncated(gif("GIF89a", 32, 32), 9), messages::kStreamReadError},
        {"GIF87a, colour table cut short",
         truncated(gif("GIF87a", 32, 32, kGlobalColorTable), kGifHeaderLength + 3),
         messages::kStreamReadError},
        {"signature cut short", truncated(gif("GIF89a", 32, 32), 4), messages::kStreamReadError},
    });
}

// ---- Icon ----------------------------------------------------------------------------------

constexpr std::size_t kIconDirLength = 6;
constexpr std::size_t kIconEntryLength = 16;
constexpr std::uint32_t kIconDataLength = 40;

struct IconEntry {
    std::uint8_t width;
    std::uint8_t height;
};

// ICONDIR, one entry per image, then each image's data right after the directory.
File icon(const std::vector<IconEntry>& entries, std::uint16_t reserved = 0, std::uint16_t type = 1) {
    FileBuilder bytes;
    bytes.u16(reserved).u16(type).u16(static_cast<std::uint16_t>(entries.size()));
    auto offset = static_cast<std::uint32_t>(kIconDirLength + entries.size() * kIconEntryLength);
    for (const IconEntry& e : entries) {
        bytes.u8(e.width).u8(e.height).u8(0).u8(0).u16(1).u16(32).u32(kIconDataLength).u32(offset);
        offset += kIconDataLength;
    }
    return bytes.zeros(entries.size() * kIconDataLength).file();
}

// Where entry i keeps its data size and offset.
std::size_t iconDataSizeAt(std::size_t entry) { return kIconDirLength + entry * kIconEntryLength + 8; }
std::size_t iconDataOffsetAt(std::size_t entry) { return iconDataSizeAt(entry) + 4; }

TEST(IconSizeTest, ReadsFirstEntryWithZeroMeaning256) {
    expectOutcomes(readIconSize, {
        {"16 x 32", icon({{16, 32}}), sizeText(16, 32)},
        {"0 x 0", icon({{0, 0}}), sizeText(256, 256)},
        {"0 x 48", icon({{0, 48}}), sizeText(256, 48)},
        {"first of two", icon({{48, 40}, {16, 16}}), sizeText(48, 40)},
    });
}

TEST(IconSizeTest, RefusesBadDirectoryAndDataOutsideFile) {
    const File two = icon({{32, 32}, {16, 16}});
    expectOutcomes(readIconSize, {
        {"reserved 1", icon({{32, 32}}, 1), messages::kIconInvalid},
        {"cursor type", icon({{32, 32}}, 0, 2), messages::kIconInvalid},
        {"no entries", icon({}), messages::kIconInvalid},
        {"directory cut short", truncated(two, kIconDirLength + kIconEntryLength + 4),
         messages::kStreamReadError},
        {"header cut short", truncated(two, 4), messages::kStreamReadError},
        {"last data one byte too long", withU32At(two, iconDataSizeAt(1), kIconDataLength + 1),
         messages::kIconInvalid},
        {"offset past end", withU32At(two, iconDataOffsetAt(1), static_cast<std::uint32_t>(two.size()) + 1),
         messages::kIconInvalid},
        {"offset + size wraps",
         withU32At(withU32At(two, iconDataOffsetAt(0), 0xFFFFFFF0u), iconDataSizeAt(0), 0x20),
         messages::kIconInvalid},
    });
}

// ---- Metafiles -----------------------------------------------------------------------------

constexpr std::size_t kEmfHeaderLength = 88;
constexpr std::uint32_t kEmfSignature = 0x464D4520;

// EMR_HEADER record with the given inclusive bounds; frame and counts left zero.
File emf(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
         std::uint32_t signature = kEmfSignature) {
    return FileBuilder()
        .u32(1).u32(kEmfHeaderLength)
        .i32(left).i32(top).i32(right).i32(bottom)
        .zeros(16)
        .u32(signature)
        .padTo(kEmfHeaderLength)
        .file();
}

// METAHEADER (18 bytes) followed by the end-of-file record.
FileBuilder& appendMetaHeader(FileBuilder& bytes, std::uint16_t type = 1, std::uint16_t headerWords = 9,
                              std::uint16_t version = 0x0300) {
    return bytes.u16(type).u16(headerWords).u16(version).u32(12).u16(0).u32(3).u16(0).u32(3).u16(0);
}

File plainWmf(std::uint16_t type = 1, std::uint16_t headerWords = 9, std::uint16_t version = 0x0300) {
    FileBuilder bytes;
    return appendMetaHeader(bytes, type, headerWords, version).file();
}

File placeableWmf(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                  std::uint16_t unitsPerInch) {
    FileBuilder bytes;
    bytes.u32(0x9AC6CDD7).u16(0).i16(left).i16(top).i16(right).i16(bottom).u16(unitsPerInch).u32(0).u16(0);
    return appendMetaHeader(bytes).file();
}

constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int16_t kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int16_t kInt16Max = std::numeric_limits<std::int16_t>::max();

TEST(MetafileSizeTest, ReadsSizeFromContents) {
    expectOutcomes(readMetafileSize, {
        {"EMF", emf(0, 0, 99, 49), sizeText(100, 50)},
        {"EMF, negative origin", emf(-10, -20, 10, 20), sizeText(21, 41)},
        {"EMF, empty bounds", emf(0, 0, -1, -1), sizeText(0, 0)},
        {"EMF, widest", emf(0, 0, kInt32Max - 1, 0), sizeText(kInt32Max, 1)},
        // One inch is 96 pixels; fractions round to the nearest pixel.
        {"placeable, one inch", placeableWmf(0, 0, 1440, 720, 1440), sizeText(96, 48)},
        {"placeable, centred", placeableWmf(-500, -250, 500, 250, 1000), sizeText(96, 48)},
        {"placeable, rounding", placeableWmf(0, 0, 10, 7, 1440), sizeText(1, 0)},
        {"placeable, widest", placeableWmf(kInt16Min, 0, kInt16Max, 1, 1), sizeText(65535 * 96, 96)},
        {"plain WMF on disk", plainWmf(2, 9, 0x0300), sizeText(0, 0)},
        {"plain WMF in memory, old version", plainWmf(1, 9, 0x0100), sizeText(0, 0)},
    });
}

TEST(MetafileSizeTest, RefusesJunkAndSizesThatDoNotFit) {
    expectOutcomes(readMetafileSize, {
        {"junk", FileBuilder().text("this is no metafile at all").file(), messages::kMetafileInvalid},
        {"EMF, wrong signature", emf(0, 0, 99, 49, 0x20464D45), messages::kMetafileInvalid},
        {"EMF, inverted bounds", emf(10, 0, 8, 49), messages::kMetafileInvalid},
        {"EMF, width overflows", emf(kInt32Min, 0, kInt32Max, 49), messages::kMetafileInvalid},
        {"EMF, one past widest", emf(0, 0, kInt32Max, 0), messages::kMetafileInvalid},
        {"placeable, zero units per inch", placeableWmf(0, 0, 1440, 1440, 0), messages::kMetafileInvalid},
        {"placeable, inverted box", placeableWmf(0, 100, 1440, 0, 1440), messages::kMetafileInvalid},
        {"plain WMF, type 3", plainWmf(3), messages::kMetafileInvalid},
        {"plain WMF, header of 8 words", plainWmf(1, 8), messages::kMetafileInvalid},
        {"plain WMF, version 0x0200", plainWmf(1, 9, 0x0200), messages::kMetafileInvalid},
        {"EMF cut short", truncated(emf(0, 0, 99, 49), 42), messages::kStreamReadError},
        {"placeable cut inside checksum", truncated(placeableWmf(0, 0, 1440, 1440, 1440), 20),
         messages::kStreamReadError},
        {"plain WMF cut short", truncated(plainWmf(), 10), messages::kStreamReadError},
        {"three bytes", FileBuilder().u8(1).u8(0).u8(9).file(), messages::kStreamReadError},
    });
}

// ---- Headers only --------------------------------------------------------------------------

// A file in memory that counts the bytes read from it.
class CountingSource : public ByteSource {
public:
    explicit CountingSource(const File& file) : inner_(file) {}
    std::uint64_t size() const override { return inner_.size(); }
    void readAt(std::uint64_t offset, std::span<std::uint8_t> into) const override {
        bytesRead += into.size();
        inner_.readAt(offset, into);
    }
    mutable std::uint64_t bytesRead = 0;

private:
    MemorySource inner_;
};

File followedBy(File file, std::size_t extra) {
    file.resize(file.size() + extra, 0x5A);
    return file;
}

// A JPEG with a 60,000-byte application segment (as cameras write) ahead of its frame header.
File jpegWithLargeAppSegment() {
    const File plain = test::buildJpeg(640, 480);
    const std::size_t payload = 60000;
    File file(plain.begin(), plain.begin() + kSoiLength);
    const File segment = FileBuilder().u8(0xFF).u8(0xE1).u8((payload + 2) >> 8).u8((payload + 2) & 0xFF).file();
    file.insert(file.end(), segment.begin(), segment.end());
    file.resize(file.size() + payload, 0xA5);
    file.insert(file.end(), plain.begin() + kSoiLength, plain.end());
    return file;
}

TEST(PictureSizeReaders, ReadOnlyTheHeadersOfALargeFile) {
    constexpr std::size_t kMiB = 1 << 20;
    using SourceReader = PictureSize (*)(const ByteSource&);
    const struct {
        const char* name;
        SourceReader read;
        File file;
        std::string size;
        std::uint64_t mostBytesRead;
    } cases[] = {
        {"GIF with a global colour table", readGifSize, followedBy(gif("GIF89a", 320, 200, kGlobalColorTable), kMiB),
         sizeText(320, 200), 6 + 7 + 3 * 256},
        {"icon with one image", readIconSize, followedBy(icon({{48, 48}}), kMiB), sizeText(48, 48),
         kIconDirLength + kIconEntryLength},
        {"EMF", readMetafileSize, followedBy(emf(0, 0, 99, 49), kMiB), sizeText(100, 50), 44},
        {"placeable WMF", readMetafileSize, followedBy(placeableWmf(0, 0, 1440, 720, 1440), kMiB), sizeText(96, 48), 44},
        // The segment is skipped, not read: a few chunks of 4 KiB around it are all.
        {"JPEG with a large application segment", readJpegSize, followedBy(jpegWithLargeAppSegment(), kMiB),
         sizeText(640, 480), 4 * 4096},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CountingSource source(c.file);
        const PictureSize size = c.read(source);
        EXPECT_EQ(sizeText(size.width, size.height), c.size);
        EXPECT_LE(source.bytesRead, c.mostBytesRead) << "of " << c.file.size();
    }
}

}  // namespace
}  // namespace velmora
