#include "bmp_write.h"

#include "byte_file.h"

void writeBmp(const std::string& path, const Raster& raster) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(raster.width) * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(raster.height);
    constexpr std::uint32_t kHeaders = 14 + 40;
    constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

    Bytes out;
    out.text("BM");
    out.le32(kHeaders + imageBytes);
    out.le32(0);  // two reserved words
    out.le32(kHeaders);
    out.le32(40);
    out.le32(static_cast<std::uint32_t>(raster.width));
    out.le32(static_cast<std::uint32_t>(raster.height));  // positive: bottom-up
    out.le16(1);                                          // planes
    out.le16(24);
    out.le32(0);  // no compression
    out.le32(imageBytes);
    out.le32(kPixelsPerMetre);
    out.le32(kPixelsPerMetre);
    out.le32(0);  // no colour table
    out.le32(0);
    for (int y = raster.height - 1; y >= 0; --y) {
        for (int x = 0; x < raster.width; ++x) {
            const Pixel8& p = raster.at(x, y);
            out.byte(p.b), out.byte(p.g), out.byte(p.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(raster.width) * 3; pad < rowBytes; ++pad) out.byte(0);
    }
    out.save(path);
}
