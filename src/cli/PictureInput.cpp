#include "cli/PictureInput.h"

#include <cstdint>

#include "cli/InputFile.h"
#include "cli/OperationError.h"
#include "cli/PictureContent.h"
#include "engine/EngineError.h"
#include "engine/FileIo.h"

namespace velmora::cli {

namespace {

// A BMP file's header keeps its size in 32 bits; the other kinds are read from a file only as
// far as their headers, which lie far inside this.
constexpr std::uint64_t kLongestBmp = 0xFFFFFFFFu;
constexpr std::uint64_t kLongestOtherPicture = std::uint64_t{64} << 20;

PictureKind kindOf(std::span<const std::uint8_t> head, const std::string& fileName) {
    const auto kind = pictureKindOf(head);
    if (!kind)
        throw OperationError("Not a picture: " + pictureName(fileName) +
                             " is neither a BMP nor a JPEG, GIF, icon or metafile");
    return *kind;
}

CarrierPicture loadFromStandardInput() {
    InputFile input("-");
    ByteBuffer head = input.readAtMost(kSignatureBytes);
    const PictureKind kind = kindOf(head.span(), "-");
    const std::uint64_t longest = kind == PictureKind::Bitmap ? kLongestBmp : kLongestOtherPicture;
    ByteBuffer file = input.readAtMost(static_cast<std::size_t>(longest + 1), std::move(head));
    if (file.size() > longest)
        throw EngineError("Cannot read standard input", "It is longer than any picture of its kind");
    CarrierPicture picture;
    picture.load(kind, std::move(file));
    return picture;
}

}  // namespace

std::string pictureName(const std::string& fileName) {
    return isStandardStream(fileName) ? "standard input" : fileName;
}

CarrierPicture loadPicture(const std::string& fileName) {
    if (isStandardStream(fileName)) return loadFromStandardInput();
    const PictureKind kind = kindOf(readHead(SourceFile(fileName), kSignatureBytes).span(), fileName);
    CarrierPicture picture;
    picture.load(kind, fileName);
    return picture;
}

}  // namespace velmora::cli
