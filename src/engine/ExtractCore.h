#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/CarrierPicture.h"

namespace velmora {

enum class ExtractStatus {
    Extracted,
    PixelUnreadable,     // the picture is not a bitmap
    StepOutOfRange,      // pixel (0, 0) is below 1 or above 500
    PasswordOutOfRange,  // the stored password length reaches past the last slot
    WrongPassword,
    TextOutOfRange,      // the stored text length reaches past the last slot
};

struct ExtractResult {
    ExtractStatus status = ExtractStatus::PixelUnreadable;
    std::optional<std::int32_t> step;        // as read, once pixel (0, 0) could be read
    std::optional<ColorValue> baseColor;     // as read, once slot 1 was read
    std::string storedText;                  // the stored bytes, separators included

    bool succeeded() const { return status == ExtractStatus::Extracted; }
    // A picture whose step cannot be read carries no message at all and is closed.
    bool closesCarrier() const {
        return status == ExtractStatus::PixelUnreadable || status == ExtractStatus::StepOutOfRange;
    }
};

// Reads the message of the picture when the stored password equals typedPassword byte for
// byte. Never changes the picture and never reads past the last slot. A picture file whose
// content changed since it was loaded raises FileChangedError.
ExtractResult extractMessage(const CarrierPicture& picture, std::string_view typedPassword);

}  // namespace velmora
