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

}  // namespace

void CarrierPicture::load(const std::string& fileName) {
    const PictureKind kind = kindForExtension(extensionOf(fileName));
    if (kind != PictureKind::Bitmap) {
        load(kind, readWholeFile(fileName));
        return;
    }
    hold(readBmpFile(fileName));
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

void CarrierPicture::load(PictureKind kind, ByteBuffer file) {
    switch (kind) {
    case PictureKind::Bitmap: hold(readBmp(std::move(file))); return;
    case PictureKind::Jpeg: size_ = readJpegSize(file.span()); bitmap_.reset(); break;
    case PictureKind::Gif: size_ = readGifSize(file.span()); bitmap_.reset(); break;
    case PictureKind::Icon: size_ = readIconSize(file.span()); bitmap_.reset(); break;
    case PictureKind::Metafile: size_ = readMetafileSize(file.span()); bitmap_.reset(); break;
    case PictureKind::None: return;
    }
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

}  // namespace velmora
