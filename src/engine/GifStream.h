#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include <gif_lib.h>

namespace velmora {

// giflib reading a GIF file held in memory. The signature may be "GIF87a" or "GIF89a" with its
// letters in any case; giflib itself compares it case-sensitively, so it is handed the
// canonical spelling. Opening reads the header, the logical screen and the global colour table.
class GifStream {
public:
    // Throws EngineError "Unknown GIF version" for another signature and "Stream read error"
    // when the file ends inside its header or global colour table.
    explicit GifStream(std::span<const std::uint8_t> file);
    GifStream(const GifStream&) = delete;
    GifStream& operator=(const GifStream&) = delete;
    ~GifStream();

    GifFileType& gif() const { return *gif_; }
    // How many bytes of the file giflib has not read yet.
    std::size_t remaining() const { return source_.file.size() - source_.position; }

private:
    struct Source {
        const char* signature;
        std::span<const std::uint8_t> file;
        std::size_t position = 0;
    };
    static int read(GifFileType* gif, GifByteType* buffer, int length);

    Source source_;  // giflib keeps a pointer to it, so the stream never moves
    GifFileType* gif_ = nullptr;
};

}  // namespace velmora
