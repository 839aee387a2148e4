#include "widgets/PasswordBox.h"

#include "engine/HideCore.h"
#include "text/CodePageFilter.h"

namespace velmora {

QLineEdit* makePasswordBox(const char* name, QRect place, std::function<void()> beep, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->setMaxLength(static_cast<int>(kMaxPasswordBytes));  // one byte a character in the code page
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
    refuseOutsideCodePage(box, std::move(beep));
    return box;
}

}  // namespace velmora
