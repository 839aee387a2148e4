#pragma once

#include <cstdint>

namespace velmora {

// Size of a picture in pixels, as its file declares it.
struct PictureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

}  // namespace velmora
