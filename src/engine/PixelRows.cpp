#include "engine/PixelRows.h"

#include <algorithm>
#include <utility>

namespace velmora {

namespace {
// Rows are read about 64 KiB at a time: few reads for narrow pictures, little waste for wide ones.
constexpr std::size_t kChunkBytes = 64 * 1024;
}  // namespace

PixelRows::PixelRows(ByteBuffer memory, std::size_t offset, std::size_t stride, std::size_t count)
    : stride_(stride), count_(count), rowsPerChunk_(std::max<std::size_t>(count, 1)) {
    chunks_.push_back({std::move(memory), offset});
}

PixelRows::PixelRows(std::unique_ptr<SourceFile> file, std::uint64_t offset, std::size_t stride, std::size_t count)
    : file_(std::move(file)), fileOffset_(offset), stride_(stride), count_(count),
      rowsPerChunk_(std::max<std::size_t>(kChunkBytes / std::max<std::size_t>(stride, 1), 1)) {
    chunks_.resize((count + rowsPerChunk_ - 1) / rowsPerChunk_);
}

std::size_t PixelRows::rowsIn(std::size_t chunk) const {
    return std::min(rowsPerChunk_, count_ - chunk * rowsPerChunk_);
}

const PixelRows::Chunk& PixelRows::chunkOf(std::size_t row) const {
    const std::size_t index = row / rowsPerChunk_;
    Chunk& chunk = chunks_[index];
    if (!chunk.loaded()) {
        ByteBuffer bytes(rowsIn(index) * stride_);
        file_->readAt(fileOffset_ + std::uint64_t{index} * rowsPerChunk_ * stride_, bytes.span());
        chunk.bytes = std::move(bytes);
    }
    return chunk;
}

const std::uint8_t* PixelRows::row(std::size_t i) const {
    const Chunk& chunk = chunkOf(i);
    return chunk.bytes.data() + chunk.offset + (i % rowsPerChunk_) * stride_;
}

std::uint8_t* PixelRows::mutableRow(std::size_t i) {
    return const_cast<std::uint8_t*>(std::as_const(*this).row(i));
}

void PixelRows::writeTo(OutputFile& out) const {
    if (file_) out.buildsOn(*file_);  // rows read earlier and rows copied now: one version
    for (std::size_t c = 0; c < chunks_.size();) {
        if (chunks_[c].loaded()) {
            out.write(std::span(chunks_[c].bytes.data() + chunks_[c].offset, rowsIn(c) * stride_));
            ++c;
            continue;
        }
        // A run of untouched chunks is one range of the source file.
        const std::size_t first = c;
        std::uint64_t bytes = 0;
        for (; c < chunks_.size() && !chunks_[c].loaded(); ++c) bytes += std::uint64_t{rowsIn(c)} * stride_;
        out.copyFrom(*file_, fileOffset_ + std::uint64_t{first} * rowsPerChunk_ * stride_, bytes);
    }
}

}  // namespace velmora
