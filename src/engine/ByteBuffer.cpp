#include "engine/ByteBuffer.h"

#include <sys/mman.h>

#include <new>

namespace velmora {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kMapThreshold = 4 * kHugePage;
}  // namespace

ByteBuffer::ByteBuffer(std::size_t size) : size_(size) {
    if (size < kMapThreshold) {
        data_ = std::unique_ptr<std::uint8_t[], detail::ReleaseBytes>(new std::uint8_t[size]);
        return;
    }
    const std::size_t mapped = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* p = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    ::madvise(p, mapped, MADV_HUGEPAGE);  // only advice: without huge pages it still works
    data_ = std::unique_ptr<std::uint8_t[], detail::ReleaseBytes>(static_cast<std::uint8_t*>(p), detail::ReleaseBytes{mapped});
}

void detail::ReleaseBytes::operator()(std::uint8_t* p) const {
    if (mappedBytes == 0) delete[] p;
    else ::munmap(p, mappedBytes);
}

}  // namespace velmora
