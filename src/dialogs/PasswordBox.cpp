#include "dialogs/PasswordBox.h"

#include "skin/CodePageFilter.h"

namespace velmora {

QLineEdit* makePasswordBox(const char* name, QRect place, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->setMaxLength(20);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
    restrictToCodePage(box);
    return box;
}

}  // namespace velmora
