#include "engine/IconSize.h"

#include <cstddef>

#include "engine/ByteReader.h"
#include "engine/EngineError.h"

namespace velmora {
namespace {

constexpr std::uint16_t kIconType = 1;  // 2 would be a cursor
constexpr std::size_t kHeaderLength = 6;
constexpr std::size_t kEntryLength = 16;

// A stored dimension of 0 stands for 256, which does not fit the byte.
std::int32_t iconDimension(std::uint8_t stored) { return stored == 0 ? 256 : stored; }

}  // namespace

PictureSize readIconSize(const ByteSource& file) {
    const ByteBuffer header = readHead(file, kHeaderLength);
    ByteReader reader(header.span());
    const std::uint16_t reserved = reader.u16();
    const std::uint16_t type = reader.u16();
    const std::uint16_t count = reader.u16();
    if (reserved != 0 || type != kIconType || count == 0) throw EngineError(messages::kIconInvalid);

    ByteBuffer directory(std::size_t{count} * kEntryLength);
    file.readAt(kHeaderLength, directory.span());
    ByteReader entries(directory.span());
    while (entries.remaining() != 0) {
        entries.skip(8);  // width, height, colour count, reserved, planes, bits per pixel
        const std::uint32_t dataSize = entries.u32();
        const std::uint32_t dataOffset = entries.u32();
        // Compared by subtraction so that offset + size cannot wrap.
        if (dataOffset > file.size() || dataSize > file.size() - dataOffset) {
            throw EngineError(messages::kIconInvalid);
        }
    }
    // The picture shown is the first entry's; its width and height are the entry's first bytes.
    return {iconDimension(directory.data()[0]), iconDimension(directory.data()[1])};
}

PictureSize readIconSize(std::span<const std::uint8_t> file) { return readIconSize(MemorySource(file)); }

}  // namespace velmora
