#include "dialogs/OptionsDialog.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DialogLook.h"
#include "dialogs/DialogPlacement.h"
#include "dialogs/FlatButton.h"
#include "skin/SkinLabel.h"

namespace velmora {

OptionsDialog::OptionsDialog(TextLookup texts, OutputPolicy firstShown, QWidget* parent)
    : QDialog(parent), texts_(std::move(texts)) {
    setObjectName(QStringLiteral("OptionsForm"));
    setFixedSize(319, 155);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    addTiledBackground(*this);
    addEtchedBorder(*this, {8, 16, 297, 73});
    heading_ = new SkinLabel(this);
    heading_->setObjectName(QStringLiteral("SkinLabel1"));
    heading_->setAlignment(SkinLabel::Align::Center);
    heading_->setGeometry(88, 2, 153, 13);

    auto radio = [this](const char* name, int y, int width) {
        auto* rb = new QRadioButton(this);
        rb->setObjectName(QLatin1String(name));
        rb->setGeometry(24, y, width, 17);
        return rb;
    };
    rb1_ = radio("Rb1", 18, 115);
    rb2_ = radio("Rb2", 41, 169);
    rb3_ = radio("Rb3", 64, 241);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* rb : {rb1_, rb2_, rb3_}) group->addButton(rb);
    choice(firstShown)->setChecked(true);

    ok_ = new FlatButton(QStringLiteral("OKButton"), QStringLiteral("button_ok.png"), {8, 96, 145, 25}, this);
    ok_->setText(QStringLiteral("OK"));
    cancel_ = new FlatButton(QStringLiteral("CancelButton"), QStringLiteral("button_cancel.png"), {160, 96, 145, 25}, this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(rb1_, rb3_);
    setTabOrder(rb3_, rb2_);
    setTabOrder(rb2_, ok_);
    setTabOrder(ok_, cancel_);
    applyTexts();
}

void OptionsDialog::applyTexts() {
    setWindowTitle(texts_(QStringLiteral("ItemA15")));
    heading_->setCaption(texts_(QStringLiteral("ItemE1")));
    rb1_->setText(texts_(QStringLiteral("ItemE2")));
    rb2_->setText(texts_(QStringLiteral("ItemE3")));
    rb3_->setText(texts_(QStringLiteral("ItemE4")));
    cancel_->setText(texts_(QStringLiteral("ItemB5")));
}

QRadioButton* OptionsDialog::choice(OutputPolicy k) const {
    switch (k) {
    case OutputPolicy::OverSource: return rb1_;
    case OutputPolicy::NumberedName: return rb2_;
    case OutputPolicy::AskForName: return rb3_;
    }
    return nullptr;  // a hand-edited k
}

std::optional<OutputPolicy> OptionsDialog::choosePolicy(OutputPolicy k, const QWidget& mainWindow) {
    move(placeOverMainWindow(mainWindow.frameGeometry().topLeft(), mainWindow.frameGeometry().size(), size()));
    if (QRadioButton* current = choice(k)) current->setChecked(true);
    if (exec() != QDialog::Accepted) return std::nullopt;
    for (OutputPolicy policy : {OutputPolicy::OverSource, OutputPolicy::NumberedName, OutputPolicy::AskForName})
        if (choice(policy)->isChecked()) return policy;
    return std::nullopt;
}

}  // namespace velmora
