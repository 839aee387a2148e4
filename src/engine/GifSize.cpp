#include "engine/GifSize.h"

#include "engine/GifStream.h"

namespace velmora {

namespace {
// Signature, logical screen descriptor and the largest global colour table (256 entries).
constexpr std::uint64_t kHeaderBytes = 6 + 7 + 3 * 256;
}  // namespace

PictureSize readGifSize(const ByteSource& file) {
    const ByteBuffer head = readHead(file, kHeaderBytes);
    const GifStream stream(head.span());
    return {stream.gif().SWidth, stream.gif().SHeight};
}

PictureSize readGifSize(std::span<const std::uint8_t> file) { return readGifSize(MemorySource(file)); }

}  // namespace velmora
