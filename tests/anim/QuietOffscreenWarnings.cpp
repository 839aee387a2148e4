// The offscreen platform warns at every stay-on-top window it cannot raise, and the effect
// overlay is one at every play; that warning is dropped from these tests' output.
#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler previousHandler = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message == QLatin1String("This plugin does not support raise()")) return;
    if (previousHandler) previousHandler(type, context, message);
}

const bool installed = [] {
    previousHandler = qInstallMessageHandler(dropRaiseWarnings);
    return true;
}();

}  // namespace
