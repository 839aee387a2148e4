#include "engine/CarrierLayout.h"

#include <algorithm>
#include <stdexcept>

namespace velmora {

SlotTable::SlotTable(std::int32_t width, std::int32_t height, std::int32_t step) : width_(width), step_(step) {
    if (step < 1) throw std::invalid_argument("step must be at least 1");
    const std::int64_t pixels = std::int64_t{std::max(width, 0)} * std::max(height, 0);
    count_ = static_cast<std::int32_t>(std::min<std::int64_t>(pixels / step, kMaxSlots));
}

SlotPosition SlotTable::operator[](std::int32_t k) const {
    const std::int64_t index = std::int64_t{k} * step_ - 1;
    return {static_cast<std::int32_t>(index % width_), static_cast<std::int32_t>(index / width_)};
}

SlotTable collectSlots(std::int32_t width, std::int32_t height, std::int32_t step) {
    return SlotTable(width, height, step);
}

ColorValue encodeValue(std::int32_t value, ColorValue base) {
    return static_cast<ColorValue>(static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(value));
}

std::int32_t decodeValue(ColorValue stored, ColorValue base) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(stored) - static_cast<std::uint32_t>(base));
}

std::string packMessageText(const std::vector<std::string>& lines) {
    std::string stored;
    for (const auto& line : lines) {
        stored += line;
        stored += static_cast<char>(kLineSeparator);
    }
    return stored;
}

std::vector<std::string> splitMessagePieces(std::string_view stored) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t end; (end = stored.find(static_cast<char>(kLineSeparator), start)) != std::string_view::npos;
         start = end + 1) {
        if (end > start) pieces.emplace_back(stored.substr(start, end - start));
    }
    return pieces;
}

std::vector<std::string> unpackMessageText(std::string_view stored, const RewrapPiece& rewrap) {
    std::vector<std::string> lines;
    for (auto& piece : splitMessagePieces(stored)) {
        if (!rewrap) {
            lines.push_back(std::move(piece));
            continue;
        }
        for (auto& row : rewrap(piece)) lines.push_back(std::move(row));
    }
    return lines;
}

}  // namespace velmora
