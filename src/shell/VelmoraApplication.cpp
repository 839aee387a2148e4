#include "shell/VelmoraApplication.h"

#include <exception>

#include "shell/Desktop.h"

namespace velmora {

VelmoraApplication::VelmoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Velmora"));
    setApplicationDisplayName(QStringLiteral("Velmora"));
    // Only Exit and closing the main window end the program (and write the settings): a message
    // box shown while the window is in the tray is the last window when it closes.
    setQuitOnLastWindowClosed(false);
}

bool VelmoraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (desktop_) desktop_->showError(QString::fromStdString(e.what()));
    }
    return false;
}

}  // namespace velmora
