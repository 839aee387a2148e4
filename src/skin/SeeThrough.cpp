#include "skin/SeeThrough.h"

namespace velmora {

namespace {
constexpr QRgb kRgbBits = 0x00FFFFFF;
}

void replaceColour(QImage& picture, QRgb colour, QRgb replacement) {
    colour &= kRgbBits;
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((row[x] & kRgbBits) == colour) row[x] = replacement;
    }
}

QImage withSeeThroughCorner(const QImage& picture) {
    QImage seeThrough = picture.convertToFormat(QImage::Format_ARGB32);
    if (!seeThrough.isNull()) replaceColour(seeThrough, seeThrough.pixel(0, seeThrough.height() - 1), 0);
    return seeThrough;
}

}  // namespace velmora
