#include "engine/BmpReader.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <memory>

#include "engine/ByteReader.h"
#include "engine/EngineError.h"
#include "engine/RleDecoder.h"

namespace velmora {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

[[noreturn]] void invalid() { throw EngineError(messages::kBitmapInvalid); }

bool supportedDepth(unsigned bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// A mask must be one run of bits inside the pixel, or empty.
bool validMask(std::uint32_t mask, unsigned bits) {
    if (mask == 0) return true;
    if (bits < 32 && (mask >> bits) != 0) return false;
    const std::uint32_t run = mask >> std::countr_zero(mask);
    return (run & (run + 1)) == 0;
}

struct Header {
    std::uint32_t pixelOffset = 0;
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bits = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
};

Header readHeader(ByteReader& in, BmpImage& image) {
    Header h;
    if (in.u8() != 'B' || in.u8() != 'M') invalid();
    in.skip(8);  // file size and two reserved fields: never trusted
    h.pixelOffset = in.u32();
    h.headerSize = in.u32();
    if (h.headerSize == kCoreHeaderSize) {
        image.coreHeader = true;
        h.width = in.u16();
        h.height = in.u16();
        h.planes = in.u16();
        h.bits = in.u16();
    } else if (h.headerSize >= kInfoHeaderSize) {
        h.width = in.i32();
        h.height = in.i32();
        h.planes = in.u16();
        h.bits = in.u16();
        h.compression = in.u32();
        h.imageSize = in.u32();
        image.xPixelsPerMeter = in.i32();
        image.yPixelsPerMeter = in.i32();
        h.colorsUsed = in.u32();
        in.skip(4);  // important colours
    } else {
        invalid();
    }
    return h;
}

void checkGeometry(const Header& h) {
    if (h.planes != 1 || !supportedDepth(h.bits)) invalid();
    if (h.width <= 0 || h.height == 0 || h.height == std::numeric_limits<std::int32_t>::min()) invalid();
    const bool rleMatchesDepth = (h.compression == kRle8 && h.bits == 8) || (h.compression == kRle4 && h.bits == 4);
    const bool fieldsMatchDepth = h.compression == kBitFields && (h.bits == 16 || h.bits == 32);
    if (h.compression != kRgb && !rleMatchesDepth && !fieldsMatchDepth) invalid();
}

void readColorTable(ByteReader& in, const Header& h, BmpImage& image) {
    if (h.bits > 8) return;
    const std::uint32_t full = 1u << h.bits;
    const std::uint32_t count = (h.colorsUsed == 0 || h.colorsUsed > full) ? full : h.colorsUsed;
    const std::size_t entrySize = image.coreHeader ? 3 : 4;
    const auto table = in.bytes(count * entrySize);
    image.colorTable.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* e = table.data() + i * entrySize;
        image.colorTable[i] = e[0] | (e[1] << 8) | (static_cast<std::uint32_t>(e[2]) << 16);
    }
}

// Where the pixels are and how they are stored, once the headers are read.
struct PixelLayout {
    std::uint64_t start = 0;
    std::uint64_t dataSize = 0;  // compressed data size; for uncompressed rows, stride x rows
    unsigned rleBits = 0;        // 8 or 4 for run-length data, else 0
};

// Reads the headers and the colour table from the front of a file of fileSize bytes.
PixelLayout readHeaders(std::span<const std::uint8_t> front, std::uint64_t fileSize, BmpImage& image) {
    ByteReader in(front);
    const Header h = readHeader(in, image);
    checkGeometry(h);
    image.width = static_cast<std::int32_t>(h.width);
    image.height = static_cast<std::int32_t>(h.height);
    image.bitsPerPixel = h.bits;

    // Masks follow the first 40 bytes of the information header; in the longer header forms
    // they are those very bytes, so one position serves all.
    in.seek(kFileHeaderSize + kInfoHeaderSize);
    if (h.compression == kBitFields) {
        const ChannelMasks masks{in.u32(), in.u32(), in.u32()};
        if (!validMask(masks.red, h.bits) || !validMask(masks.green, h.bits) || !validMask(masks.blue, h.bits))
            invalid();
        image.declaredMasks = masks;
    }
    const std::size_t headersEnd = kFileHeaderSize + h.headerSize;
    const std::size_t tableStart =
        (h.compression == kBitFields && h.headerSize == kInfoHeaderSize) ? headersEnd + 12 : headersEnd;
    in.seek(tableStart);
    readColorTable(in, h, image);

    // Some writers leave the pixel offset at 0; the rows then follow the colour table, which a
    // picture of more than 8 bits carries too when its colour count says so (the pixels do
    // not use it).
    const std::uint64_t unusedTable = h.bits > 8 ? std::uint64_t{h.colorsUsed} * 4 : 0;
    PixelLayout layout;
    layout.start = h.pixelOffset == 0 ? in.position() + unusedTable : h.pixelOffset;
    if (layout.start < headersEnd) invalid();
    if (layout.start > fileSize) throw EngineError(messages::kStreamReadError);
    const std::uint64_t available = fileSize - layout.start;

    if (h.compression == kRle8 || h.compression == kRle4) {
        layout.rleBits = h.bits;
        layout.dataSize = h.imageSize == 0 ? available : h.imageSize;
        if (layout.dataSize > available) throw EngineError(messages::kStreamReadError);
        return layout;
    }
    const std::size_t stride = image.stride();
    if (static_cast<std::uint64_t>(image.rowCount()) > available / stride) throw EngineError(messages::kStreamReadError);
    layout.dataSize = std::uint64_t{stride} * static_cast<std::uint64_t>(image.rowCount());
    return layout;
}

// Run-length data becomes a 32-bit bitmap held in memory, keeping its colour table.
void expandInto(BmpImage& image, std::span<const std::uint8_t> data, unsigned rleBits, DecodeLimits limits) {
    ByteBuffer pixels = expandRle(data, rleBits, image.width, image.rowCount(), image.colorTable, limits);
    image.bitsPerPixel = 32;
    image.rows = PixelRows(std::move(pixels), 0, image.stride(), static_cast<std::size_t>(image.rowCount()));
}

// The headers, masks and colour table of any sensible file lie well inside this.
constexpr std::size_t kHeaderReadSize = 64 * 1024;

}  // namespace

BmpImage readBmp(ByteBuffer file, DecodeLimits limits) {
    BmpImage image;
    const PixelLayout layout = readHeaders(file.span(), file.size(), image);
    if (layout.rleBits != 0) {
        expandInto(image, file.span().subspan(layout.start, layout.dataSize), layout.rleBits, limits);
        return image;
    }
    image.rows = PixelRows(std::move(file), layout.start, image.stride(), static_cast<std::size_t>(image.rowCount()));
    return image;
}

BmpImage readBmpFile(const std::string& fileName, DecodeLimits limits) {
    auto file = std::make_unique<SourceFile>(fileName);
    ByteBuffer front(static_cast<std::size_t>(std::min<std::uint64_t>(file->size(), kHeaderReadSize)));
    file->readAt(0, front.span());

    BmpImage image;
    const PixelLayout layout = readHeaders(front.span(), file->size(), image);
    if (layout.rleBits != 0) {
        ByteBuffer data(static_cast<std::size_t>(layout.dataSize));
        file->readAt(layout.start, data.span());
        expandInto(image, data.span(), layout.rleBits, limits);
        return image;
    }
    image.rows = PixelRows(std::move(file), layout.start, image.stride(), static_cast<std::size_t>(image.rowCount()));
    return image;
}

}  // namespace velmora
