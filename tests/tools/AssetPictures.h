// Reading the committed artwork the way the program will: Qt's own image readers for the
// pixels, the raw header bytes for the file layout, and the window-outline rule for shapes.
#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <vector>

namespace velmora::assets {

QString assetPath(const QString& relative);
QImage loadAsset(const QString& relative);

// The fields of a BMP's headers that say how its pixels are stored.
struct BmpLayout {
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows stored bottom-up
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
};
BmpLayout readBmpLayout(const QString& relative);

struct PixelRun {
    int y, left, right;  // right exclusive
};
// Every run of pixels that differ from the transparent colour, row by row: the rectangles a
// window outline is made of before a region merges equal rows.
std::vector<PixelRun> opaqueRuns(const QImage& image, QRgb transparent);
// The runs united into one region, as the window system stores it.
QRegion regionOf(const std::vector<PixelRun>& runs);

}  // namespace velmora::assets
