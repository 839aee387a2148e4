#include "shell/MainController.h"
#include "shell/MainWindow.h"
#include "shell/PlaceholderDrum.h"
#include "shell/QtDesktop.h"
#include "shell/SettingsPath.h"
#include "shell/VelmoraApplication.h"

using namespace velmora;

int main(int argc, char** argv) {
    VelmoraApplication app(argc, argv);
    QtDesktop desktop;
    app.setDesktop(&desktop);

    const QString folder = programFolder();
    PlaceholderDrum drum;
    MainController controller(desktop, drum, folder, settingsFilePath(folder));
    MainWindow window(controller, desktop, &drum);
    desktop.setParentWindow(&window);
    desktop.setHelpFile(folder + QStringLiteral("help_eng.hlp"));
    window.show();
    return app.exec();
}
