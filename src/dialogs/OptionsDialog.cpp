#include "dialogs/OptionsDialog.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DialogLook.h"
#include "dialogs/DialogPlacement.h"
#include "dialogs/FlatButton.h"
#include "dialogs/LanguageKeys.h"
#include "skin/SkinLabel.h"
#include "widgets/DialogFont.h"
#include "widgets/ScreenPlacement.h"

namespace velmora {

namespace {
constexpr QRect kFrame{8, 16, 297, 73};    // round the three choices
constexpr QRect kButtons{8, 96, 297, 25};  // OK and Cancel
}  // namespace

OptionsDialog::OptionsDialog(TextLookup texts, OutputPolicy firstShown, QWidget* parent)
    : QDialog(parent), texts_(std::move(texts)) {
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    fixDialogSize(*this, clientSizeAround(kFrame.united(kButtons)));
    setFont(dialogFont());  // the boxes were made for it; a desktop's larger font would not fit

    addTiledBackground(*this);
    addEtchedBorder(*this, kFrame);
    heading_ = new SkinLabel(this);
    heading_->setObjectName(QStringLiteral("SkinLabel1"));
    heading_->setAlignment(SkinLabel::Align::Center);
    heading_->setGeometry(88, 2, 153, 13);

    auto radio = [this](const char* name, int y, int width) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(24, y, width, 17);
        return button;
    };
    overSourceChoice_ = radio("Rb1", 18, 115);
    numberedNameChoice_ = radio("Rb2", 41, 169);
    askForNameChoice_ = radio("Rb3", 64, 241);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {overSourceChoice_, numberedNameChoice_, askForNameChoice_}) group->addButton(button);
    choice(firstShown)->setChecked(true);

    okButton_ = new FlatButton(QStringLiteral("OKButton"), QStringLiteral("button_ok.png"),
                               {kButtons.topLeft(), QSize(145, kButtons.height())}, this);
    okButton_->setText(QStringLiteral("OK"));
    cancelButton_ = new FlatButton(QStringLiteral("CancelButton"), QStringLiteral("button_cancel.png"),
                                   {QPoint(160, kButtons.top()), QSize(145, kButtons.height())}, this);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(overSourceChoice_, askForNameChoice_);
    setTabOrder(askForNameChoice_, numberedNameChoice_);
    setTabOrder(numberedNameChoice_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    applyTexts();
}

void OptionsDialog::applyTexts() {
    setWindowTitle(texts_(keys::kOptions));
    heading_->setCaption(texts_(keys::kOutputHeading));
    overSourceChoice_->setText(texts_(keys::kOverSourceChoice));
    numberedNameChoice_->setText(texts_(keys::kNumberedNameChoice));
    askForNameChoice_->setText(texts_(keys::kAskForNameChoice));
    cancelButton_->setText(texts_(keys::kCancel));
}

QRadioButton* OptionsDialog::choice(OutputPolicy k) const {
    switch (k) {
    case OutputPolicy::OverSource: return overSourceChoice_;
    case OutputPolicy::NumberedName: return numberedNameChoice_;
    case OutputPolicy::AskForName: return askForNameChoice_;
    }
    return nullptr;  // a hand-edited k
}

std::optional<OutputPolicy> OptionsDialog::choosePolicy(OutputPolicy k, const QWidget& mainWindow) {
    placeOnScreen(*this, [main = mainWindow.frameGeometry()](QSize outer) {
        return placeOverMainWindow(main.topLeft(), main.size(), outer);
    });
    if (QRadioButton* current = choice(k)) current->setChecked(true);
    if (exec() != QDialog::Accepted) return std::nullopt;
    for (OutputPolicy policy : {OutputPolicy::OverSource, OutputPolicy::NumberedName, OutputPolicy::AskForName})
        if (choice(policy)->isChecked()) return policy;
    return std::nullopt;
}

}  // namespace velmora
