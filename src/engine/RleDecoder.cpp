#include "engine/RleDecoder.h"

#include <algorithm>
#include <cstring>

#include "engine/ByteReader.h"
#include "engine/EngineError.h"

namespace velmora {

namespace {

constexpr std::uint64_t kBytesPerPixel = 4;

class RowWriter {
public:
    RowWriter(ByteBuffer& out, std::int32_t width, std::int32_t rows, std::span<const std::uint32_t> table)
        : out_(out), width_(width), rows_(rows), table_(table) {}

    bool done() const { return y_ >= rows_; }
    // Pixels past the right edge are dropped; x stops at the edge so it cannot run away.
    void put(std::size_t index) {
        if (x_ >= width_) return;
        if (!done()) {
            const std::uint32_t color = index < table_.size() ? table_[index] & 0x00FFFFFFu : 0;
            std::uint8_t* p = out_.data() + (static_cast<std::size_t>(y_) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x_)) * 4;
            p[0] = static_cast<std::uint8_t>(color);
            p[1] = static_cast<std::uint8_t>(color >> 8);
            p[2] = static_cast<std::uint8_t>(color >> 16);
            p[3] = 0;
        }
        ++x_;
    }
    void endLine() { x_ = 0; ++y_; }
    void move(unsigned dx, unsigned dy) {
        x_ = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{x_} + dx, width_));
        y_ += static_cast<std::int32_t>(dy);
    }

private:
    ByteBuffer& out_;
    std::int32_t width_;
    std::int32_t rows_;
    std::span<const std::uint32_t> table_;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

}  // namespace

ByteBuffer expandRle(std::span<const std::uint8_t> data, unsigned bitsPerRun, std::int32_t width,
                     std::int32_t rows, std::span<const std::uint32_t> colorTable, DecodeLimits limits) {
    const std::uint64_t pixels = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(rows);
    // Checked before anything is allocated: a few bytes of runs cannot claim gigabytes.
    if (pixels > limits.budgetFor(data.size()) / kBytesPerPixel) throw EngineError(messages::kBitmapInvalid);

    ByteBuffer out(static_cast<std::size_t>(pixels * kBytesPerPixel));
    std::memset(out.data(), 0, out.size());
    RowWriter writer(out, width, rows, colorTable);
    // Two pixels share a byte in RLE4: the high nibble comes first.
    auto pixelOf = [bitsPerRun](std::uint8_t byte, unsigned i) -> std::size_t {
        return bitsPerRun == 8 ? byte : (i % 2 == 0 ? byte >> 4 : byte & 0x0F);
    };

    ByteReader in(data);
    // Data that stops without an end-of-picture mark keeps what it did describe.
    while (!writer.done() && in.remaining() >= 2) {
        const std::uint8_t count = in.u8();
        const std::uint8_t value = in.u8();
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) writer.put(pixelOf(value, i));
        } else if (value == 0) {
            writer.endLine();
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (in.remaining() < 2) break;
            const unsigned dx = in.u8();
            const unsigned dy = in.u8();
            writer.move(dx, dy);
        } else {  // absolute mode: value pixels follow, padded to a 16-bit boundary
            const std::size_t bytes = bitsPerRun == 8 ? value : (value + 1u) / 2;
            if (in.remaining() < bytes) break;
            const auto literal = in.bytes(bytes);
            for (unsigned i = 0; i < value; ++i) writer.put(pixelOf(literal[bitsPerRun == 8 ? i : i / 2], i));
            if (bytes % 2 == 1 && in.remaining() > 0) in.skip(1);
        }
    }
    return out;
}

}  // namespace velmora
