#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/EngineError.h"

namespace velmora {

// Bounded little-endian reader over a file held in memory. Reading past the end raises
// "Stream read error", which is what a file shorter than its headers say gets.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t offset = 0)
        : bytes_(bytes), pos_(offset) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return pos_ <= bytes_.size() ? bytes_.size() - pos_ : 0; }

    void seek(std::size_t offset) { pos_ = offset; }
    void skip(std::size_t count) { need(count); pos_ += count; }

    std::uint8_t u8() { need(1); return bytes_[pos_++]; }
    std::uint16_t u16() {
        need(2);
        auto v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    std::uint32_t u32() {
        need(4);
        std::uint32_t v = bytes_[pos_] | (bytes_[pos_ + 1] << 8) | (bytes_[pos_ + 2] << 16) |
                          (static_cast<std::uint32_t>(bytes_[pos_ + 3]) << 24);
        pos_ += 4;
        return v;
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    // The next count bytes, checked against the end.
    std::span<const std::uint8_t> bytes(std::size_t count) {
        need(count);
        auto s = bytes_.subspan(pos_, count);
        pos_ += count;
        return s;
    }

private:
    void need(std::size_t count) const {
        if (remaining() < count) throw EngineError(messages::kStreamReadError);
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_;
};

}  // namespace velmora
