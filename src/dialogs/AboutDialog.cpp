#include "dialogs/AboutDialog.h"

#include <QFile>

#include "anim/GifAnimator.h"
#include "dialogs/DialogLook.h"
#include "dialogs/FlatButton.h"
#include "dialogs/HelpKey.h"
#include "skin/SkinLabel.h"
#include "widgets/DialogFont.h"
#include "widgets/ScreenPlacement.h"

namespace velmora {

namespace {

// The emblem is built into the program, so the box never depends on a file beside it.
QByteArray emblemGif() {
    QFile file(QStringLiteral(":/look/about.gif"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

AboutDialog::AboutDialog(DialogDesktop& desktop, QWidget* parent) : QDialog(parent), desktop_(desktop) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    fixDialogSize(*this, {307, 256});
    placeOnScreen(*this, {192, 107});
    effectHook_.setAnimateOnShow(true);
    effectHook_.setAnimateOnHide(true);

    addTiledBackground(*this);
    addEtchedBorder(*this, {8, 3, 289, 214});

    emblem_ = new GifAnimator(this);
    emblem_->setObjectName(QStringLiteral("GIFAnimator1"));
    emblem_->setAutoSize(false);
    emblem_->setGeometry(16, 20, 49, 57);
    const QByteArray gif = emblemGif();
    try {
        emblem_->loadFromData(
            {reinterpret_cast<const std::uint8_t*>(gif.constData()), static_cast<std::size_t>(gif.size())});
    } catch (const std::exception&) {
        // Without its emblem the box still says what it has to.
    }

    auto* name = new SkinLabel(this);
    name->setObjectName(QStringLiteral("SkinLabel1"));
    name->move(72, 16);
    QFont nameFont = dialogFont();
    nameFont.setPixelSize(13);
    name->setFont(nameFont);
    name->setStyle(SkinLabel::Style::Raised);
    name->setCaption(QStringLiteral("Velmora v1.1"));

    auto* ok = new FlatButton(QStringLiteral("OKButton"), QStringLiteral("button_ok.png"), {8, 224, 140, 25}, this);
    ok->setText(QStringLiteral("OK"));
    auto* help =
        new FlatButton(QStringLiteral("HelpButton"), QStringLiteral("button_help.png"), {152, 224, 143, 25}, this);
    help->setText(QStringLiteral("Help"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { desktop_.openHelp(QStringLiteral("ID_01")); });
    addHelpKey(*this, *help);
}

QPushButton* AboutDialog::button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }

}  // namespace velmora
