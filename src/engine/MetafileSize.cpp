#include "engine/MetafileSize.h"

#include <cstdint>
#include <limits>

#include "engine/ByteReader.h"
#include "engine/EngineError.h"

namespace velmora {
namespace {

constexpr std::uint32_t kEmfHeaderRecord = 1;           // EMR_HEADER, the first record of an EMF
constexpr std::uint32_t kEmfSignature = 0x464D4520;     // " EMF"
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;     // leads a placeable WMF
constexpr std::int64_t kScreenDpi = 96;
// The longest header read: EMR_HEADER up to its signature.
constexpr std::uint64_t kHeaderBytes = 44;

// A size is only reported when both sides are representable; nothing is clamped into range.
PictureSize checkedSize(std::int64_t width, std::int64_t height) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (width < 0 || height < 0 || width > kMax || height > kMax) {
        throw EngineError(messages::kMetafileInvalid);
    }
    return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

// EMR_HEADER: type, record size, rclBounds (inclusive, device units), rclFrame, signature.
PictureSize emfSize(ByteReader& reader) {
    reader.skip(4);  // record size
    const std::int64_t left = reader.i32();
    const std::int64_t top = reader.i32();
    const std::int64_t right = reader.i32();
    const std::int64_t bottom = reader.i32();
    reader.skip(16);  // rclFrame
    if (reader.u32() != kEmfSignature) throw EngineError(messages::kMetafileInvalid);
    return checkedSize(right - left + 1, bottom - top + 1);
}

// Placeable header: key, handle, bounding box (logical units), units per inch, reserved, checksum.
PictureSize placeableWmfSize(ByteReader& reader) {
    reader.skip(2);  // handle
    const std::int64_t left = reader.i16();
    const std::int64_t top = reader.i16();
    const std::int64_t right = reader.i16();
    const std::int64_t bottom = reader.i16();
    const std::int64_t unitsPerInch = reader.u16();
    reader.skip(6);  // reserved, checksum
    if (unitsPerInch == 0) throw EngineError(messages::kMetafileInvalid);

    const PictureSize units = checkedSize(right - left, bottom - top);
    // Rounded to the nearest pixel; 65535 units at 1 per inch still fit an int32.
    const auto toPixels = [unitsPerInch](std::int32_t extent) {
        return static_cast<std::int32_t>((extent * kScreenDpi + unitsPerInch / 2) / unitsPerInch);
    };
    return {toPixels(units.width), toPixels(units.height)};
}

// METAHEADER: type (1 memory, 2 disk), header size in words (9), version, then 12 more bytes.
// It declares no picture size.
PictureSize plainWmfSize(ByteReader& reader) {
    const std::uint16_t type = reader.u16();
    const std::uint16_t headerWords = reader.u16();
    const std::uint16_t version = reader.u16();
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300)) {
        throw EngineError(messages::kMetafileInvalid);
    }
    reader.skip(12);  // file size, object count, largest record, unused
    return {0, 0};
}

}  // namespace

PictureSize readMetafileSize(const ByteSource& file) {
    const ByteBuffer head = readHead(file, kHeaderBytes);
    ByteReader reader(head.span());
    const std::uint32_t lead = reader.u32();
    if (lead == kEmfHeaderRecord) return emfSize(reader);
    if (lead == kPlaceableKey) return placeableWmfSize(reader);
    reader.seek(0);
    return plainWmfSize(reader);
}

PictureSize readMetafileSize(std::span<const std::uint8_t> file) { return readMetafileSize(MemorySource(file)); }

}  // namespace velmora
