#include "engine/ContentHash.h"

#include <array>
#include <cstring>

namespace velmora {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87u;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Fu;

std::uint64_t rotate(std::uint64_t v, int bits) { return v << bits | v >> (64 - bits); }

std::uint64_t mix(std::uint64_t lane, std::uint64_t word) { return rotate(lane + word * kPrime2, 31) * kPrime1; }

std::uint64_t wordAt(const std::uint8_t* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

}  // namespace

// Four independent lanes keep the processor busy; every byte and the length reach the result.
std::uint64_t contentHash(std::span<const std::uint8_t> bytes) {
    std::array<std::uint64_t, 4> lanes = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
    const std::uint8_t* p = bytes.data();
    std::size_t left = bytes.size();
    for (; left >= 32; p += 32, left -= 32)
        for (std::size_t i = 0; i < lanes.size(); ++i) lanes[i] = mix(lanes[i], wordAt(p + 8 * i));
    std::uint64_t h = rotate(lanes[0], 1) + rotate(lanes[1], 7) + rotate(lanes[2], 12) + rotate(lanes[3], 18);
    h ^= static_cast<std::uint64_t>(bytes.size()) * kPrime1;
    for (; left >= 8; p += 8, left -= 8) h = rotate(h ^ mix(0, wordAt(p)), 27) * kPrime1 + kPrime2;
    for (; left > 0; ++p, --left) h = rotate(h ^ (std::uint64_t{*p} * kPrime1), 11) * kPrime2;
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    return h;
}

}  // namespace velmora
