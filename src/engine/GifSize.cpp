#include "engine/GifSize.h"

#include "engine/GifStream.h"

namespace velmora {

PictureSize readGifSize(std::span<const std::uint8_t> file) {
    const GifStream stream(file);
    return {stream.gif().SWidth, stream.gif().SHeight};
}

}  // namespace velmora
