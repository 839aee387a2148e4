#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

#include "skin/ScaledPicture.h"

namespace velmora {

// The pictures built into the program from assets/look: the skin, the button faces, the menu
// pictures and the program icon. A picture that is not there is null.
QImage lookPicture(const QString& fileName);
// The picture with its 2× drawing ("skin@2x.bmp" for "skin.bmp") where there is one.
ScaledPicture scaledLookPicture(const QString& fileName);
// A 16 × 16 picture, such as "button_ok.png", as an icon at 16 and 32 pixels.
QIcon lookIcon(const QString& fileName);
// The 16 × 16 picture of a popup menu item, such as "open" for menu_open.png, at 16 and 32.
QIcon menuPicture(const QString& name);
// The program icon at every size it is drawn in (32, 48, 64 and 128 pixels).
QIcon programIcon();

}  // namespace velmora
