#pragma once

#include <string>

#include "engine/CarrierPicture.h"

namespace velmora {

inline constexpr std::int32_t kMinStep = 2;
inline constexpr std::int32_t kMaxStep = 500;
inline constexpr std::size_t kMaxPasswordBytes = 20;

struct HideRequest {
    std::int32_t step = 10;        // kMinStep .. kMaxStep
    ColorValue baseColor = 0;
    std::string password;          // 1 .. kMaxPasswordBytes bytes
    std::string storedText;        // already packed (packMessageText) or raw bytes
};

enum class HideOutcome {
    Written,       // every value is in the picture and reads back as written
    TooLarge,      // the message does not fit: nothing was written
    NotPreserved,  // written, but some value reads back differently: the picture must not be saved
};

// Writes step, base colour, password and text into the picture's pixels. A picture that is
// not a bitmap fails at the first write with "Can only modify an image if it contains a bitmap".
// Raises std::invalid_argument for a step outside kMinStep .. kMaxStep or a password that is
// empty or longer than kMaxPasswordBytes.
HideOutcome hideMessage(CarrierPicture& picture, const HideRequest& request);

// How many message bytes (password plus packed text) fit the picture at this step: the one rule
// of what fits, for the hide itself, the program's hide dialog and velmora-cli alike.
std::int32_t messageCapacity(std::int32_t width, std::int32_t height, std::int32_t step);

}  // namespace velmora
