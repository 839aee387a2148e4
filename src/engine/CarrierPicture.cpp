#include "engine/CarrierPicture.h"

#include "engine/BmpReader.h"
#include "engine/BmpWriter.h"
#include "engine/AsciiCase.h"
#include "engine/EngineError.h"
#include "engine/FileIo.h"
#include "engine/FileName.h"
#include "engine/GifSize.h"
#include "engine/IconSize.h"
#include "engine/JpegSize.h"
#include "engine/MetafileSize.h"
#include "engine/SystemColors.h"

namespace velmora {

namespace {

PictureKind kindForExtension(const std::string& ext) {
    const auto is = [&ext](std::string_view name) { return equalIgnoringAsciiCase(ext, name); };
    if (is("bmp")) return PictureKind::Bitmap;
    if (is("jpg") || is("jpeg")) return PictureKind::Jpeg;
    if (is("gif")) return PictureKind::Gif;
    if (is("ico")) return PictureKind::Icon;
    if (is("wmf") || is("emf")) return PictureKind::Metafile;
    throw EngineError(messages::unknownExtension(ext));
}

// The other kinds are read only as far as their headers, for the size.
PictureSize readSizeOf(PictureKind kind, const ByteSource& file) {
    switch (kind) {
    case PictureKind::Jpeg: return readJpegSize(file);
    case PictureKind::Gif: return readGifSize(file);
    case PictureKind::Icon: return readIconSize(file);
    case PictureKind::Metafile: return readMetafileSize(file);
    case PictureKind::Bitmap:
    case PictureKind::None: break;
    }
    return {};
}

}  // namespace

void CarrierPicture::load(const std::string& fileName, DecodeLimits limits) {
    load(kindForExtension(extensionOf(fileName)), fileName, limits);
}

void CarrierPicture::load(PictureKind kind, const std::string& fileName, DecodeLimits limits) {
    if (kind == PictureKind::Bitmap) {
        hold(readBmpFile(fileName, limits));
        return;
    }
    holdSize(kind, readSizeOf(kind, SourceFile(fileName)));
}

void CarrierPicture::load(PictureKind kind, ByteBuffer file, DecodeLimits limits) {
    if (kind == PictureKind::Bitmap) hold(readBmp(std::move(file), limits));
    else if (kind != PictureKind::None) holdSize(kind, readSizeOf(kind, MemorySource(file.span())));
}

void CarrierPicture::release() {
    kind_ = PictureKind::None;
    size_ = {};
    bitmap_.reset();
}

void CarrierPicture::hold(BmpImage image) {
    size_ = {image.width, image.rowCount()};
    bitmap_ = std::move(image);
    kind_ = PictureKind::Bitmap;
}

void CarrierPicture::holdSize(PictureKind kind, PictureSize size) {
    size_ = size;
    bitmap_.reset();
    kind_ = kind;
}

const BmpImage& CarrierPicture::requireBitmap() const {
    if (!bitmap_) throw EngineError(messages::kNotABitmap);
    return *bitmap_;
}

ColorValue CarrierPicture::readPixel(std::int32_t x, std::int32_t y) const {
    const BmpImage& image = requireBitmap();
    if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return static_cast<ColorValue>(0xFFFFFFFF);
    return image.readRgb(x, y);
}

void CarrierPicture::writePixel(std::int32_t x, std::int32_t y, ColorValue value) {
    requireBitmap();
    if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return;
    const ColorValue color = value < 0 ? systemColor(value) : (value & kMaxRgb);
    bitmap_->writeRgb(x, y, color);
}

void CarrierPicture::save(const std::string& fileName) const {
    writeBmp(requireBitmap(), fileName);
}

void CarrierPicture::saveToDescriptor(int fd, const std::string& failureMessage) const {
    writeBmpToDescriptor(requireBitmap(), fd, failureMessage);
}

}  // namespace velmora
