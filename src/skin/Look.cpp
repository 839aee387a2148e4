#include "skin/Look.h"

#include <QPixmap>

namespace velmora {

namespace {

QString doubledName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName + QStringLiteral("@2x") : fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}

// Each size is added as plain pixels, so the icon picks by device pixels: 16 at ratio 1,
// 32 at ratio 2.
QIcon iconOf(const QList<QImage>& pictures) {
    QIcon icon;
    for (QImage picture : pictures) {
        if (picture.isNull()) continue;
        picture.setDevicePixelRatio(1);
        icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

}  // namespace

QImage lookPicture(const QString& fileName) { return QImage(QStringLiteral(":/look/") + fileName); }

ScaledPicture scaledLookPicture(const QString& fileName) {
    return {lookPicture(fileName), lookPicture(doubledName(fileName))};
}

QIcon lookIcon(const QString& fileName) {
    const ScaledPicture picture = scaledLookPicture(fileName);
    return iconOf({picture.single(), picture.doubled()});
}

QIcon menuPicture(const QString& name) { return lookIcon(QStringLiteral("menu_%1.png").arg(name)); }

QIcon programIcon() {
    QList<QImage> pictures;
    for (int size : {32, 48, 64, 128}) pictures << lookPicture(QStringLiteral("velmora%1.png").arg(size));
    return iconOf(pictures);
}

}  // namespace velmora
