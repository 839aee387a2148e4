#include "shell/VelmoraApplication.h"

#include <exception>

#include "shell/Desktop.h"

namespace velmora {

VelmoraApplication::VelmoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Velmora"));
    setApplicationDisplayName(QStringLiteral("Velmora"));
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
