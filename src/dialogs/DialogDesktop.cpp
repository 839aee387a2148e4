#include "dialogs/DialogDesktop.h"

namespace velmora {

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.')) return message + '.';
    return message;
}

}  // namespace velmora
