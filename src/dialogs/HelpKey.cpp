#include "dialogs/HelpKey.h"

#include <QAbstractButton>
#include <QShortcut>

namespace velmora {

void addHelpKey(QWidget& dialog, QAbstractButton& helpButton) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    QObject::connect(key, &QShortcut::activated, &helpButton, &QAbstractButton::click);
}

}  // namespace velmora
