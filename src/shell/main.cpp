#include <QFile>
#include <QFileInfo>

#include "shell/MainController.h"
#include "shell/MainWindow.h"
#include "shell/PlatformChoice.h"
#include "anim/GifAnimator.h"
#include "shell/GifDrum.h"
#include "shell/QtDesktop.h"
#include "shell/SettingsPath.h"
#include "shell/VelmoraApplication.h"
#include "skin/Look.h"

using namespace velmora;

namespace {

QString environment(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QFile::decodeName(argv[i]);
    const StartArguments start = readStartArguments(arguments);
    const QString platform =
        platformToAsk({start.platform.isEmpty() ? environment("QT_QPA_PLATFORM") : start.platform,
                       environment("XDG_SESSION_TYPE"), environment("WAYLAND_DISPLAY"), environment("DISPLAY")});
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());

    // Qt takes options of its own from the command line, and some read files without a limit
    // (-stylesheet /dev/zero never ends). The program's arguments are pictures to open and the
    // platform (passed on above), so Qt sees the program's name alone.
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
    for (const QString& picture : start.pictures) files << QFileInfo(picture).absoluteFilePath();
    if (!files.isEmpty()) window.openStartFiles(files);
    return app.exec();
}
