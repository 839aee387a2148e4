#include "engine/BmpWriter.h"

#include <functional>
#include <vector>

#include "engine/EngineError.h"
#include "engine/FileIo.h"

namespace velmora {

namespace {

class HeaderBytes {
public:
    void u16(std::uint32_t v) { put(v, 2); }
    void u32(std::uint32_t v) { put(v, 4); }
    void i32(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    void put(std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> bytes_;
};

constexpr std::uint64_t kLargestBmpFile = 0xFFFFFFFFu;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

// The headers, masks and colour table before the rows; a picture whose file would pass 4 GiB
// raises failureMessage with the reason.
HeaderBytes headersOf(const BmpImage& image, const std::string& failureMessage) {
    const bool bitFields = image.declaredMasks.has_value() && image.bitsPerPixel > 8 && !image.coreHeader;
    const std::size_t headerSize = image.coreHeader ? 12 : 40;
    const std::size_t entrySize = image.coreHeader ? 3 : 4;
    const std::size_t pixelOffset =
        14 + headerSize + (bitFields ? 12 : 0) + image.colorTable.size() * entrySize;
    const std::size_t pixelBytes = image.pixelBytes();
    // The header keeps the file's size in 32 bits: a larger file would carry a wrapped size
    // that readers take at its word.
    if (std::uint64_t{pixelOffset} + pixelBytes > kLargestBmpFile) throw EngineError(messages::tooLargeForBmp(failureMessage));

    HeaderBytes out;
    out.u8('B');
    out.u8('M');
    out.u32(static_cast<std::uint32_t>(pixelOffset + pixelBytes));
    out.u16(0);
    out.u16(0);
    out.u32(static_cast<std::uint32_t>(pixelOffset));
    if (image.coreHeader) {
        out.u32(12);
        out.u16(static_cast<std::uint32_t>(image.width));
        out.u16(static_cast<std::uint32_t>(image.height));
        out.u16(1);
        out.u16(image.bitsPerPixel);
    } else {
        out.u32(40);
        out.i32(image.width);
        out.i32(image.height);
        out.u16(1);
        out.u16(image.bitsPerPixel);
        out.u32(bitFields ? kBitFields : kRgb);
        out.u32(static_cast<std::uint32_t>(pixelBytes));
        out.i32(image.xPixelsPerMeter);
        out.i32(image.yPixelsPerMeter);
        out.u32(static_cast<std::uint32_t>(image.colorTable.size()));
        out.u32(0);
    }
    if (bitFields) {
        out.u32(image.declaredMasks->red);
        out.u32(image.declaredMasks->green);
        out.u32(image.declaredMasks->blue);
    }
    for (std::uint32_t entry : image.colorTable) {
        out.u8(static_cast<std::uint8_t>(entry));
        out.u8(static_cast<std::uint8_t>(entry >> 8));
        out.u8(static_cast<std::uint8_t>(entry >> 16));
        if (!image.coreHeader) out.u8(0);
    }
    return out;
}

std::function<void(OutputFile&)> writerOf(const BmpImage& image, const HeaderBytes& headers) {
    return [&image, &headers](OutputFile& file) {
        file.write(headers.bytes());
        image.rows.writeTo(file);
    };
}

}  // namespace

void writeBmp(const BmpImage& image, const std::string& fileName) {
    const HeaderBytes headers = headersOf(image, messages::cannotCreateFile(fileName));
    writeFileAtomically(fileName, writerOf(image, headers));
}

void writeBmpToDescriptor(const BmpImage& image, int fd, const std::string& failureMessage) {
    const HeaderBytes headers = headersOf(image, failureMessage);
    writeToDescriptor(fd, failureMessage, writerOf(image, headers));
}

}  // namespace velmora
