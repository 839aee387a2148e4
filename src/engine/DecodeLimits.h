#pragma once

#include <cstdint>

namespace velmora {

// The one bound on what decoding a picture may allocate, whatever its headers claim: a
// picture may always take fixedBytes, and beyond that each byte of its compressed data may
// stand for at most bytesPerFileByte bytes of decoded pixels. Run-length bitmaps and GIF
// frames are held to it; uncompressed bitmaps are read from their file as needed and size
// readers read headers only, so neither allocates more than the file holds.
//
// With the defaults a file under 1 MiB decodes to at most 64 MiB, which keeps every command
// under 100 MiB; a picture the bound refuses fails with its reader's message for a damaged file.
// Every reader that allocates takes its limits as an argument, the defaults unless a caller
// (a test, a fuzz target) asks for less.
struct DecodeLimits {
    std::uint64_t fixedBytes = std::uint64_t{32} << 20;
    std::uint64_t bytesPerFileByte = 32;

    // The bytes a decode of fileBytes bytes of data may allocate (saturating, never wrapping).
    std::uint64_t budgetFor(std::uint64_t fileBytes) const;
};

}  // namespace velmora
