#include "engine/GifStream.h"

#include <algorithm>

#include "engine/AsciiCase.h"
#include "engine/ByteReader.h"
#include "engine/EngineError.h"

namespace velmora {
namespace {

constexpr std::size_t kSignatureLength = 6;

// Accepts "GIF87a" and "GIF89a" with the letters in any case, and returns the spelling giflib
// accepts.
const char* canonicalSignature(std::span<const std::uint8_t> signature) {
    for (const char* known : {"GIF87a", "GIF89a"}) {
        if (std::equal(signature.begin(), signature.end(), known, [](std::uint8_t c, char k) {
                return lowerAscii(c) == lowerAscii(static_cast<std::uint8_t>(k));
            })) {
            return known;
        }
    }
    throw EngineError(messages::kUnknownGifVersion);
}

}  // namespace

GifStream::GifStream(std::span<const std::uint8_t> file)
    : source_{canonicalSignature(ByteReader(file).bytes(kSignatureLength)), file} {
    // With the signature canonical, DGifOpen fails only when the file ends inside the screen
    // descriptor or the global colour table (or memory for that table runs out).
    int error = 0;
    gif_ = DGifOpen(&source_, &GifStream::read, &error);
    if (gif_ == nullptr) throw EngineError(messages::kStreamReadError);
}

GifStream::~GifStream() {
    int error = 0;
    DGifCloseFile(gif_, &error);
}

int GifStream::read(GifFileType* gif, GifByteType* buffer, int length) {
    auto& source = *static_cast<Source*>(gif->UserData);
    const std::size_t wanted = static_cast<std::size_t>(std::max(length, 0));
    const std::size_t count = std::min(wanted, source.file.size() - source.position);
    std::copy_n(source.file.begin() + static_cast<std::ptrdiff_t>(source.position), count, buffer);
    // The signature's bytes are handed over in their canonical spelling.
    for (std::size_t i = 0; i < count && source.position + i < kSignatureLength; ++i) {
        buffer[i] = static_cast<GifByteType>(source.signature[source.position + i]);
    }
    source.position += count;
    return static_cast<int>(count);
}

}  // namespace velmora
