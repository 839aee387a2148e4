#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ColorValue.h"

namespace velmora {

// How a message lives in a carrier: every step-th pixel (counted row by row from 1) is a
// slot; slot 1 holds the base colour, slot 2 the password length, then the password, the
// text length and the text, each as base colour + value. Pixel (0, 0) holds the step itself.

inline constexpr std::int32_t kMaxSlots = 32000;
inline constexpr std::uint8_t kLineSeparator = 0xB9;

// What a message stores besides its password and text bytes: the step, the base colour and the
// two lengths. A message fits when its password and text bytes and these four together do not
// outnumber the slots (the step lies in pixel (0, 0), outside them, yet counts all the same).
inline constexpr std::int32_t kMessageOverheadSlots = 4;

// The program and velmora-cli open no picture narrower or lower than this as a carrier.
inline constexpr std::int32_t kMinCarrierSide = 32;
inline bool isCarrierSize(std::int32_t width, std::int32_t height) {
    return width >= kMinCarrierSide && height >= kMinCarrierSide;
}

struct SlotPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const SlotPosition&, const SlotPosition&) = default;
};

// The slots of a picture for one step. The count is capped at kMaxSlots; a slot's position
// depends only on its number, the step and the width, so slots 1 to kMaxSlots stay where
// they are whatever the picture's size.
class SlotTable {
public:
    SlotTable(std::int32_t width, std::int32_t height, std::int32_t step);

    std::int32_t count() const { return count_; }
    // Slot k, counted from 1; k must lie in 1 .. count().
    SlotPosition operator[](std::int32_t k) const;

private:
    std::int32_t width_;
    std::int32_t step_;
    std::int32_t count_;
};

// Raises std::invalid_argument for a step below 1 (there would be no slot sequence at all).
SlotTable collectSlots(std::int32_t width, std::int32_t height, std::int32_t step);

// base + value and value - base, in wrapping 32-bit arithmetic.
ColorValue encodeValue(std::int32_t value, ColorValue base);
std::int32_t decodeValue(ColorValue stored, ColorValue base);

// Each line's bytes followed by the separator byte 0xB9.
std::string packMessageText(const std::vector<std::string>& lines);

// The non-empty pieces between separators; bytes after the last separator are dropped.
std::vector<std::string> splitMessagePieces(std::string_view stored);

// Lays a piece out as display rows (the program uses its text boxes' layout).
using RewrapPiece = std::function<std::vector<std::string>(const std::string& piece)>;

// The lines to display: each piece, re-wrapped by rewrap when one is given.
std::vector<std::string> unpackMessageText(std::string_view stored, const RewrapPiece& rewrap = {});

}  // namespace velmora
