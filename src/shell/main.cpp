#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <string_view>

#include "engine/Version.h"

#include "shell/MainController.h"
#include "shell/MainWindow.h"
#include "anim/GifAnimator.h"
#include "shell/GifDrum.h"
#include "shell/QtDesktop.h"
#include "shell/SettingsPath.h"
#include "shell/VelmoraApplication.h"
#include "skin/Look.h"

using namespace velmora;

int main(int argc, char** argv) {
    // Answered before Qt starts, so it works without a display (scripts, package checks).
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("velmora %s\n", programVersion);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    // Qt takes options of its own from the command line, and some read files without a limit
    // (-stylesheet /dev/zero never ends). The program's arguments are pictures to open and
    // nothing else, so Qt sees the program's name alone.
    int qtArgc = 1;
    VelmoraApplication app(qtArgc, argv);
    QtDesktop desktop;
    app.setDesktop(&desktop);

    const QString folder = programFolder();
    app.setWindowIcon(programIcon());
    auto* animator = new GifAnimator;  // the window takes it as its drum
    GifDrum drum(*animator);
    MainController controller(desktop, drum, folder, settingsFilePath(folder));
    MainWindow window(controller, desktop, animator);
    desktop.setParentWindow(&window);
    desktop.setHelpFile(folder + QStringLiteral("help_eng.hlp"));
    window.show();
    // The pictures a file manager asks the program to open ("velmora FILE…").
    QStringList files;
    for (int i = 1; i < argc; ++i) files << QFileInfo(QFile::decodeName(argv[i])).absoluteFilePath();
    if (!files.isEmpty()) window.openStartFiles(files);
    return app.exec();
}
