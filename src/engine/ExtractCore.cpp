#include "engine/ExtractCore.h"

#include "engine/CarrierLayout.h"
#include "engine/EngineError.h"
#include "engine/HideCore.h"

namespace velmora {

namespace {

// Bytes i = 1 .. length stored from slot first + 1 on, each the low 8 bits of its value.
std::string readBytes(const CarrierPicture& picture, const SlotTable& slots, std::int32_t first,
                      std::int32_t length, ColorValue base) {
    std::string bytes;
    if (length <= 0) return bytes;
    bytes.resize(static_cast<std::size_t>(length));
    for (std::int32_t i = 1; i <= length; ++i) {
        const SlotPosition p = slots[first + i];
        bytes[static_cast<std::size_t>(i - 1)] = static_cast<char>(decodeValue(picture.readPixel(p.x, p.y), base));
    }
    return bytes;
}

}  // namespace

ExtractResult extractMessage(const CarrierPicture& picture, std::string_view typedPassword) {
    ExtractResult result;
    ColorValue stepValue = 0;
    try {
        stepValue = picture.readPixel(0, 0);
    } catch (const FileChangedError&) {
        throw;  // the picture may well hold a message; the user must hear what went wrong
    } catch (const EngineError&) {
        result.status = ExtractStatus::PixelUnreadable;
        return result;
    }
    result.step = stepValue;
    if (stepValue < 1 || stepValue > kMaxStep) {
        result.status = ExtractStatus::StepOutOfRange;
        return result;
    }

    const SlotTable slots = collectSlots(picture.width(), picture.height(), stepValue);
    // A picture too small for the base colour and the password length holds no message
    // (the program opens none so small; the check keeps reads inside the slots all the same).
    if (slots.count() < 2) {
        result.status = ExtractStatus::PasswordOutOfRange;
        return result;
    }
    auto valueAt = [&](std::int32_t k) {
        const SlotPosition p = slots[k];
        return picture.readPixel(p.x, p.y);
    };
    const ColorValue base = valueAt(1);
    result.baseColor = base;

    const std::int32_t lenP = decodeValue(valueAt(2), base);
    if (lenP > slots.count() - 3) {
        result.status = ExtractStatus::PasswordOutOfRange;
        return result;
    }
    // A negative length never matches a typed password (it has at least one byte), and
    // stopping here keeps the text-length slot from falling before slot 1.
    if (lenP < 0 || readBytes(picture, slots, 2, lenP, base) != typedPassword) {
        result.status = ExtractStatus::WrongPassword;
        return result;
    }

    const std::int32_t lenT = decodeValue(valueAt(3 + lenP), base);
    if (std::int64_t{3} + lenP + lenT > slots.count()) {
        result.status = ExtractStatus::TextOutOfRange;
        return result;
    }
    result.storedText = readBytes(picture, slots, 3 + lenP, lenT, base);
    result.status = ExtractStatus::Extracted;
    return result;
}

}  // namespace velmora
