// Any bytes as a BMP carrier: load, extract, hide, extract again and save must end in a
// result or an EngineError, never a crash, an overrun or a runaway allocation.
#include <cstdint>
#include <cstring>

#include "engine/BmpWriter.h"
#include "engine/CarrierLayout.h"
#include "engine/CarrierPicture.h"
#include "engine/EngineError.h"
#include "engine/ExtractCore.h"
#include "engine/HideCore.h"
#include "fuzz_decode_limits.h"

#include "FuzzTarget.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteBuffer file(size);
    if (size > 0) std::memcpy(file.data(), data, size);
    CarrierPicture picture;
    try {
        picture.load(PictureKind::Bitmap, std::move(file), kFuzzDecodeLimits);
    } catch (const EngineError&) {
        return 0;
    }
    const std::int32_t w = picture.width(), h = picture.height();
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w, h}}) {
        picture.writePixel(x, y, picture.readPixel(x, y) ^ 0x5A5A5A);
    }
    extractMessage(picture, "pw");
    if (hideMessage(picture, {2, 0x10, "pw", packMessageText({"fuzz"})}) == HideOutcome::Written) {
        const ExtractResult again = extractMessage(picture, "pw");
        if (!again.succeeded() || unpackMessageText(again.storedText) != std::vector<std::string>{"fuzz"}) __builtin_trap();
    }
    try {
        picture.save("/dev/null/x");  // cannot be created: exercises the writer up to the file
    } catch (const EngineError&) {
    }
    return 0;
}
