#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace velmora {

namespace detail {
// Frees a ByteBuffer's block the way it was allocated.
struct ReleaseBytes {
    std::size_t mappedBytes = 0;  // 0: allocated with new[]
    void operator()(std::uint8_t* p) const;
};
}  // namespace detail

// An owned block of bytes that is not zeroed on allocation: picture files are read straight
// into it, so clearing it first would only cost time. Large blocks are backed by huge pages
// where the system offers them, which makes reading a big picture several times cheaper
// than faulting in 4 KiB pages one by one.
class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(std::size_t size);

    std::uint8_t* data() { return data_.get(); }
    const std::uint8_t* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    std::span<std::uint8_t> span() { return {data_.get(), size_}; }
    std::span<const std::uint8_t> span() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<std::uint8_t[], detail::ReleaseBytes> data_;
    std::size_t size_ = 0;
};

}  // namespace velmora
