#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/BmpImage.h"
#include "engine/ColorValue.h"
#include "engine/DecodeLimits.h"
#include "engine/PictureSize.h"

namespace velmora {

enum class PictureKind { None, Bitmap, Jpeg, Gif, Icon, Metafile };

// The one picture the program has open. Only a bitmap carries data; the other kinds load
// just far enough to report their size, and any pixel access on them fails. A bitmap keeps its
// file open to read rows as they are needed, until the next load or release().
class CarrierPicture {
public:
    // Chooses the kind from the extension alone and reads the file, decoding a bitmap within
    // `limits`. The held picture is replaced only when the whole load succeeds.
    void load(const std::string& fileName, DecodeLimits limits = {});
    // The same for a kind decided beforehand, such as from the file's first bytes.
    void load(PictureKind kind, const std::string& fileName, DecodeLimits limits = {});
    // The same for a file already in memory, of a kind known beforehand.
    void load(PictureKind kind, ByteBuffer file, DecodeLimits limits = {});
    // Lets go of the picture and its file: the holder is empty, as before the first load.
    void release();

    PictureKind kind() const { return kind_; }
    std::int32_t width() const { return size_.width; }
    std::int32_t height() const { return size_.height; }
    const BmpImage* bitmap() const { return bitmap_ ? &*bitmap_ : nullptr; }

    // Outside the picture reads 0xFFFFFFFF.
    ColorValue readPixel(std::int32_t x, std::int32_t y) const;
    // A negative value paints the system colour it names; above 0xFFFFFF only the low
    // 24 bits are taken as red, green and blue. Outside the picture nothing is written.
    void writePixel(std::int32_t x, std::int32_t y, ColorValue value);
    // Writes the bitmap as a BMP file under any name; atomically.
    void save(const std::string& fileName) const;
    // Writes the same file to an open descriptor, such as standard output; not atomically (see
    // writeBmpToDescriptor).
    void saveToDescriptor(int fd, const std::string& failureMessage) const;

private:
    void hold(BmpImage image);
    void holdSize(PictureKind kind, PictureSize size);
    const BmpImage& requireBitmap() const;

    PictureKind kind_ = PictureKind::None;
    PictureSize size_;
    std::optional<BmpImage> bitmap_;
};

}  // namespace velmora
