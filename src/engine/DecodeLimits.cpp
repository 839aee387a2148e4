#include "engine/DecodeLimits.h"

#include <limits>

namespace velmora {

std::uint64_t DecodeLimits::budgetFor(std::uint64_t fileBytes) const {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    if (bytesPerFileByte != 0 && fileBytes > (kMax - fixedBytes) / bytesPerFileByte) return kMax;
    return fixedBytes + fileBytes * bytesPerFileByte;
}

}  // namespace velmora
