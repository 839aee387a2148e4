#include "cli/PictureContent.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "engine/AsciiCase.h"

namespace velmora::cli {

namespace {

class Head {
public:
    explicit Head(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool startsWith(std::initializer_list<std::uint8_t> lead, std::size_t at = 0) const {
        return at + lead.size() <= bytes_.size() && std::equal(lead.begin(), lead.end(), bytes_.begin() + at);
    }
    bool startsWithIgnoringCase(std::string_view lead) const {
        if (lead.size() > bytes_.size()) return false;
        return equalIgnoringAsciiCase(std::string_view(reinterpret_cast<const char*>(bytes_.data()), lead.size()), lead);
    }
    std::uint32_t u16(std::size_t at) const { return at + 2 <= bytes_.size() ? bytes_[at] | bytes_[at + 1] << 8 : 0xFFFFFFFF; }
    std::uint32_t u32(std::size_t at) const { return at + 4 <= bytes_.size() ? u16(at) | u16(at + 2) << 16 : 0xFFFFFFFF; }

private:
    std::span<const std::uint8_t> bytes_;
};

// GIF readers take the signature's letters in any case.
bool isGif(const Head& head) { return head.startsWithIgnoringCase("gif8"); }

bool isMetafile(const Head& head) {
    constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
    constexpr std::uint32_t kEmfHeaderRecord = 1;
    constexpr std::size_t kEmfSignatureAt = 40;
    if (head.u32(0) == kPlaceableKey) return true;
    if (head.u32(0) == kEmfHeaderRecord && head.startsWith({' ', 'E', 'M', 'F'}, kEmfSignatureAt)) return true;
    // A plain WMF: memory or disk type, a header of 9 words, version 1 or 3.
    const std::uint32_t type = head.u16(0), version = head.u16(4);
    return (type == 1 || type == 2) && head.u16(2) == 9 && (version == 0x0100 || version == 0x0300);
}

}  // namespace

std::optional<PictureKind> pictureKindOf(std::span<const std::uint8_t> bytes) {
    const Head head(bytes);
    if (head.startsWith({'B', 'M'})) return PictureKind::Bitmap;
    if (head.startsWith({0xFF, 0xD8, 0xFF})) return PictureKind::Jpeg;
    if (isGif(head)) return PictureKind::Gif;
    if (isMetafile(head)) return PictureKind::Metafile;
    if (head.startsWith({0, 0, 1, 0})) return PictureKind::Icon;
    return std::nullopt;
}

}  // namespace velmora::cli
