#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/EngineError.h"
#include "engine/GifDecoder.h"

#include "FuzzTarget.h"
#include "fuzz_decode_limits.h"

// Any bytes must end in a picture or an EngineError; every other outcome is a crash to report.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        velmora::decodeGif(std::span<const std::uint8_t>(data, size), kFuzzDecodeLimits);
    } catch (const velmora::EngineError&) {
        // refusing the bytes is a correct outcome
    }
    return 0;
}
