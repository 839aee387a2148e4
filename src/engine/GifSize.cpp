#include "engine/GifSize.h"

#include <algorithm>
#include <cstddef>

#include <gif_lib.h>

#include "engine/ByteReader.h"
#include "engine/EngineError.h"

namespace velmora {
namespace {

constexpr std::size_t kSignatureLength = 6;

// Locale-independent on purpose: only the ASCII letters of the signature fold.
std::uint8_t asciiLower(std::uint8_t c) {
    return c >= 'A' && c <= 'Z' ? static_cast<std::uint8_t>(c + ('a' - 'A')) : c;
}

// Accepts "GIF87a" and "GIF89a" with the letters in any case, and returns the spelling giflib
// accepts, whose own check is case-sensitive.
const char* canonicalSignature(std::span<const std::uint8_t> signature) {
    for (const char* known : {"GIF87a", "GIF89a"}) {
        if (std::equal(signature.begin(), signature.end(), known, [](std::uint8_t c, char k) {
                return asciiLower(c) == asciiLower(static_cast<std::uint8_t>(k));
            })) {
            return known;
        }
    }
    throw EngineError(messages::kUnknownGifVersion);
}

// What giflib reads: the canonical signature followed by the rest of the file.
struct GifSource {
    const char* signature;
    std::span<const std::uint8_t> file;
    std::size_t position = 0;
};

int readFromSource(GifFileType* gif, GifByteType* buffer, int length) {
    auto& source = *static_cast<GifSource*>(gif->UserData);
    int copied = 0;
    for (; copied < length && source.position < source.file.size(); ++copied, ++source.position) {
        buffer[copied] = source.position < kSignatureLength
                             ? static_cast<GifByteType>(source.signature[source.position])
                             : source.file[source.position];
    }
    return copied;
}

}  // namespace

PictureSize readGifSize(std::span<const std::uint8_t> file) {
    GifSource source{canonicalSignature(ByteReader(file).bytes(kSignatureLength)), file};

    // With the signature canonical, DGifOpen fails only when the file ends inside the screen
    // descriptor or the global colour table (or memory for that table runs out).
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readFromSource, &error);
    if (gif == nullptr) throw EngineError(messages::kStreamReadError);
    const PictureSize size{gif->SWidth, gif->SHeight};
    DGifCloseFile(gif, &error);
    return size;
}

}  // namespace velmora
