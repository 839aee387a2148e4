#include "widgets/PasswordBox.h"

#include "engine/HideCore.h"
#include "text/CodePageFilter.h"
#include "widgets/BalloonHint.h"

namespace velmora {

QLineEdit* makePasswordBox(const char* name, QRect place, PasswordRefusal refusal, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->setMaxLength(static_cast<int>(kMaxPasswordBytes));  // one byte a character in the code page
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
    auto* balloon = new BalloonHint(*box);
    refuseOutsideCodePage(box, [refusal = std::move(refusal), balloon] {
        if (refusal.beep) refusal.beep();
        if (refusal.hint) balloon->showHint(refusal.hint());
    });
    return box;
}

}  // namespace velmora
