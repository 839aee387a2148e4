#include "shell/PlatformChoice.h"

namespace velmora {

StartArguments readStartArguments(const QStringList& arguments) {
    StartArguments start;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform") && i + 1 < arguments.size()) start.platform = arguments[++i];
        else start.pictures << arguments[i];
    }
    return start;
}

QString platformToAsk(const PlatformEnvironment& environment) {
    if (!environment.chosen.isEmpty()) return environment.chosen;
    const bool waylandSession =
        !environment.waylandDisplay.isEmpty() || environment.sessionType == QLatin1String("wayland");
    if (waylandSession && !environment.xDisplay.isEmpty()) return QStringLiteral("xcb;wayland");
    return {};
}

}  // namespace velmora
