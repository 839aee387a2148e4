#pragma once

#include <QFont>

namespace velmora {

// The font of the program's windows: Liberation Sans at 11 pixels, the metrics of the classic
// 8-point dialog font.
inline QFont dialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

}  // namespace velmora
