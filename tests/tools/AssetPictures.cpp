#include "AssetPictures.h"

#include <QFile>

#include <stdexcept>
#include "support/BuildPaths.h"

namespace velmora::assets {

QString assetPath(const QString& relative) { return QString::fromStdString(test::besideTestProgram(VELMORA_ASSETS_DIR "/")) + relative; }

QImage loadAsset(const QString& relative) {
    QImage image(assetPath(relative));
    if (image.isNull()) throw std::runtime_error("cannot read " + relative.toStdString());
    return image;
}

BmpLayout readBmpLayout(const QString& relative) {
    QFile file(assetPath(relative));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot open " + relative.toStdString());
    const QByteArray bytes = file.read(54);
    if (bytes.size() < 54 || !bytes.startsWith("BM")) throw std::runtime_error(relative.toStdString() + " is no BMP");
    auto u32 = [&](int at) {
        return std::uint32_t(std::uint8_t(bytes[at])) | std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 |
               std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 | std::uint32_t(std::uint8_t(bytes[at + 3])) << 24;
    };
    auto u16 = [&](int at) { return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8); };
    return {u32(10), u32(14), std::int32_t(u32(18)), std::int32_t(u32(22)), u16(28), u32(30)};
}

std::vector<PixelRun> opaqueRuns(const QImage& image, QRgb transparent) {
    std::vector<PixelRun> runs;
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (true) {
            while (x < image.width() &&
                   qRgb(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y))) == transparent)
                ++x;
            if (x == image.width()) break;
            const int start = x;
            while (x < image.width() &&
                   qRgb(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y))) != transparent)
                ++x;
            runs.push_back({y, start, x});
        }
    }
    return runs;
}

QRegion regionOf(const std::vector<PixelRun>& runs) {
    QRegion region;
    for (const PixelRun& run : runs) region += QRect(run.left, run.y, run.right - run.left, 1);
    return region;
}

}  // namespace velmora::assets
