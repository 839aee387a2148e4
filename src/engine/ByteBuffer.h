#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace velmora {

// An owned block of bytes that is not zeroed on allocation: picture files are read straight
// into it, so clearing it first would only cost time.
class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(std::size_t size)
        : data_(std::make_unique_for_overwrite<std::uint8_t[]>(size)), size_(size) {}

    std::uint8_t* data() { return data_.get(); }
    const std::uint8_t* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    std::span<std::uint8_t> span() { return {data_.get(), size_}; }
    std::span<const std::uint8_t> span() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
};

}  // namespace velmora
