#include "shell/ProgramIcon.h"

#include <QFileInfo>

namespace velmora {

QIcon programIcon(const QString& programFolder) {
    QIcon icon;
    for (const int side : {32, 48, 64, 128}) {
        const QString file = programFolder + QStringLiteral("look/velmora%1.png").arg(side);
        if (QFileInfo::exists(file)) icon.addFile(file, QSize(side, side));
    }
    return icon;
}

}  // namespace velmora
