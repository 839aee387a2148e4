#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace velmora {

// The pictures built into the program from assets/look: the skin, the button faces, the menu
// pictures and the program icon. A picture that is not there is null.
QImage lookPicture(const QString& fileName);
// The 16 × 16 picture of a popup menu item, such as "open" for menu_open.png.
QIcon menuPicture(const QString& name);
// The program icon at every size it is drawn in (16 to 256 pixels).
QIcon programIcon();

}  // namespace velmora
