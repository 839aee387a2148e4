#include "skin/Look.h"

#include <QPixmap>

namespace velmora {

namespace {

QIcon iconOf(const QStringList& fileNames) {
    QIcon icon;
    for (const QString& name : fileNames) {
        const QImage picture = lookPicture(name);
        if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

}  // namespace

QImage lookPicture(const QString& fileName) { return QImage(QStringLiteral(":/look/") + fileName); }

QIcon menuPicture(const QString& name) { return iconOf({QStringLiteral("menu_%1.png").arg(name)}); }

QIcon programIcon() {
    QStringList names;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) names << QStringLiteral("velmora%1.png").arg(size);
    return iconOf(names);
}

}  // namespace velmora
