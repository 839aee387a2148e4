// The offscreen platform warns at every window shape it cannot apply and every stay-on-top
// window it cannot raise, and the effect overlay does both at every play; those two warnings
// are dropped from these tests' output.
#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler previousHandler = nullptr;

void dropOverlayWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message == QLatin1String("This plugin does not support setting window masks") ||
                                 message == QLatin1String("This plugin does not support raise()"))) {
        return;
    }
    if (previousHandler) previousHandler(type, context, message);
}

const bool installed = [] {
    previousHandler = qInstallMessageHandler(dropOverlayWarnings);
    return true;
}();

}  // namespace
