#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/ByteBuffer.h"
#include "engine/FileIo.h"

namespace velmora {

// The pixel rows of a bitmap in file order, each `stride` bytes. Rows either sit in memory
// already, or are read from the picture file in chunks when first touched: opening a large
// picture then costs nothing, an extract reads only the rows that hold its slots, and a save
// copies untouched rows file to file.
class PixelRows {
public:
    PixelRows() = default;
    PixelRows(ByteBuffer memory, std::size_t offset, std::size_t stride, std::size_t count);
    PixelRows(std::unique_ptr<SourceFile> file, std::uint64_t offset, std::size_t stride, std::size_t count);

    std::size_t stride() const { return stride_; }
    std::size_t count() const { return count_; }

    // Row i in file order; may read it from the file (FileChangedError when it changed).
    const std::uint8_t* row(std::size_t i) const;
    std::uint8_t* mutableRow(std::size_t i);

    void writeTo(OutputFile& out) const;

private:
    struct Chunk {
        ByteBuffer bytes;
        std::size_t offset = 0;  // where the chunk's first row starts in bytes
        bool loaded() const { return bytes.data() != nullptr; }
    };
    std::size_t rowsIn(std::size_t chunk) const;
    const Chunk& chunkOf(std::size_t row) const;

    std::unique_ptr<SourceFile> file_;
    std::uint64_t fileOffset_ = 0;
    std::size_t stride_ = 0;
    std::size_t count_ = 0;
    std::size_t rowsPerChunk_ = 1;
    mutable std::vector<Chunk> chunks_;
};

}  // namespace velmora
