#include "anim/Compositor.h"

#include <QGuiApplication>

namespace velmora {

bool onWaylandCompositor() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace velmora
