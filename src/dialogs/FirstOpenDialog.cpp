#include "dialogs/FirstOpenDialog.h"

#include <QCheckBox>

#include "dialogs/DialogLook.h"
#include "dialogs/FlatButton.h"
#include "dialogs/HelpKey.h"
#include "skin/SkinLabel.h"
#include "widgets/DialogFont.h"

namespace velmora {

namespace {

constexpr QRect kFrame{8, 8, 417, 81};     // round the tips and the box
constexpr QRect kButtons{8, 96, 415, 25};  // OK and Help

SkinLabel* raisedLabel(const char* name, QPoint place, QWidget* parent) {
    auto* label = new SkinLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->move(place);
    label->setStyle(SkinLabel::Style::Raised);
    return label;
}

}  // namespace

FirstOpenDialog::FirstOpenDialog(DialogDesktop& desktop, QWidget* parent) : QDialog(parent), desktop_(desktop) {
    setObjectName(QStringLiteral("FirstOpenForm"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFont(dialogFont());
    fixDialogSize(*this, clientSizeAround(kFrame.united(kButtons)));
    effectHook_.setAnimateOnShow(true);
    effectHook_.setAnimateOnHide(true);
    effectHook_.setCentreOnScreen(true);

    addTiledBackground(*this);
    addEtchedBorder(*this, kFrame);
    firstTip_ = raisedLabel("SkinLabel1", {16, 16}, this);
    secondTip_ = raisedLabel("SkinLabel2", {16, 40}, this);
    checkBox_ = new QCheckBox(this);
    checkBox_->setObjectName(QStringLiteral("CheckBox"));
    checkBox_->setGeometry(120, 64, 201, 17);

    auto* ok = new FlatButton(QStringLiteral("OKButton"), QStringLiteral("button_ok.png"),
                              {kButtons.topLeft(), QSize(201, kButtons.height())}, this);
    ok->setText(QStringLiteral("OK"));
    auto* help = new FlatButton(QStringLiteral("HelpButton"), QStringLiteral("button_help.png"),
                                {QPoint(216, kButtons.top()), QSize(207, kButtons.height())}, this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { desktop_.openHelp(QStringLiteral("ID_01")); });
    addHelpKey(*this, *help);
}

void FirstOpenDialog::setTexts(const QString& firstTip, const QString& secondTip, const QString& checkBox,
                               const QString& help) {
    firstTip_->setCaption(firstTip);
    secondTip_->setCaption(secondTip);
    checkBox_->setText(checkBox);
    button("HelpButton")->setText(help);
}

bool FirstOpenDialog::turnedOff() const { return result() == QDialog::Accepted && checkBox_->isChecked(); }

QPushButton* FirstOpenDialog::button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }

}  // namespace velmora
