#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/DecodeLimits.h"
#include "engine/EngineError.h"
#include "engine/GifDecoder.h"

#include "FuzzTarget.h"

// Lower limits than the program's keep every input cheap to try; -rss_limit_mb then catches
// any decode that escapes them.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    velmora::setDecodeLimits({.fixedBytes = 4u << 20, .bytesPerFileByte = 32});
    return 0;
}

// Any bytes must end in a picture or an EngineError; every other outcome is a crash to report.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        velmora::decodeGif(std::span<const std::uint8_t>(data, size));
    } catch (const velmora::EngineError&) {
        // refusing the bytes is a correct outcome
    }
    return 0;
}
