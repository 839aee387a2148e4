#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

#include "engine/ByteBuffer.h"
#include "engine/EngineError.h"

namespace velmora {

// Bytes that can be read at any offset: a picture file on disk, or one already in memory.
// The size readers take one, so that they read the headers they need and nothing more.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Exactly into.size() bytes from offset, or "Stream read error".
    virtual void readAt(std::uint64_t offset, std::span<std::uint8_t> into) const = 0;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    void readAt(std::uint64_t offset, std::span<std::uint8_t> into) const override {
        if (offset > bytes_.size() || into.size() > bytes_.size() - offset)
            throw EngineError(messages::kStreamReadError);
        if (!into.empty()) std::memcpy(into.data(), bytes_.data() + offset, into.size());
    }

private:
    std::span<const std::uint8_t> bytes_;
};

// The first maxBytes bytes of the source, or all of it when it is shorter.
inline ByteBuffer readHead(const ByteSource& source, std::uint64_t maxBytes) {
    ByteBuffer head(static_cast<std::size_t>(std::min(source.size(), maxBytes)));
    source.readAt(0, head.span());
    return head;
}

}  // namespace velmora
