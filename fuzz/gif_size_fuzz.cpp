#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/EngineError.h"
#include "engine/GifSize.h"

#include "FuzzTarget.h"

// Any bytes must end in a size or an EngineError; every other outcome is a crash to report.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        velmora::readGifSize(std::span<const std::uint8_t>(data, size));
    } catch (const velmora::EngineError&) {
        // refusing the bytes is a correct outcome
    }
    return 0;
}
