#pragma once

#include <QIcon>
#include <QString>

namespace velmora {

// The program's icon, for its window and the tray, in every size drawn for it:
// look/velmora32.png, velmora48.png, velmora64.png and velmora128.png in the program folder.
QIcon programIcon(const QString& programFolder);

}  // namespace velmora
