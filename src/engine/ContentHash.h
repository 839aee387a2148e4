#pragma once

#include <cstdint>
#include <span>

namespace velmora {

// A fast 64-bit fingerprint of a range of bytes, to tell whether a file still holds what was
// read from it. Not cryptographic: it guards against a file changed while it is open, not
// against a forger.
std::uint64_t contentHash(std::span<const std::uint8_t> bytes);

}  // namespace velmora
