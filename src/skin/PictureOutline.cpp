#include "skin/PictureOutline.h"

namespace velmora {

namespace {

constexpr QRgb kRgbBits = 0x00FFFFFF;

// The runs of opaque pixels in one row, as [start, end) pairs.
std::vector<std::pair<int, int>> opaqueRuns(const QRgb* row, int width, QRgb transparent) {
    std::vector<std::pair<int, int>> runs;
    int x = 0;
    while (true) {
        while (x < width && (row[x] & kRgbBits) == transparent) ++x;
        if (x == width) return runs;
        const int start = x;
        while (x < width && (row[x] & kRgbBits) != transparent) ++x;
        runs.emplace_back(start, x);
    }
}

}  // namespace

std::vector<QRect> outlineRects(const QImage& picture, QRgb transparent) {
    std::vector<QRect> rects;
    if (picture.isNull()) return rects;
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    transparent &= kRgbBits;
    std::vector<std::pair<int, int>> bandRuns;  // the runs of the band that rects ends with
    bool bandOpen = false;                      // whether that band reaches the row above
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        auto runs = opaqueRuns(row, pixels.width(), transparent);
        if (runs.empty()) {
            bandOpen = false;
            continue;
        }
        if (bandOpen && runs == bandRuns) {
            for (auto it = rects.end() - static_cast<std::ptrdiff_t>(runs.size()); it != rects.end(); ++it)
                it->setBottom(y);
            continue;
        }
        for (const auto& [start, end] : runs) rects.emplace_back(QPoint(start, y), QPoint(end - 1, y));
        bandRuns = std::move(runs);
        bandOpen = true;
    }
    return rects;
}

QRegion outlineRegion(const QImage& picture, QRgb transparent) {
    const std::vector<QRect> rects = outlineRects(picture, transparent);
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

}  // namespace velmora
