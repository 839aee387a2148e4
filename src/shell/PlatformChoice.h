#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// What the program's command line holds: pictures to open, and the one option of Qt's it
// honours, the windowing platform ("-platform NAME").
struct StartArguments {
    QString platform;
    QStringList pictures;
};
StartArguments readStartArguments(const QStringList& arguments);  // without the program's name

// What decides the windowing platform.
struct PlatformEnvironment {
    QString chosen;          // "-platform NAME", else QT_QPA_PLATFORM
    QString sessionType;     // XDG_SESSION_TYPE
    QString waylandDisplay;  // WAYLAND_DISPLAY
    QString xDisplay;        // DISPLAY
};

// The platform to ask Qt for, or empty to leave Qt its own choice. A platform the user chose
// wins. In a Wayland session that also offers X11 (XWayland) the program asks for X11 first,
// with Wayland as the fallback: the skin's outline, the drag frame, placing its windows and the
// effects all need X11. Without X11, Qt's own choice is Wayland.
QString platformToAsk(const PlatformEnvironment& environment);

}  // namespace velmora
