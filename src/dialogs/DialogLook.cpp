#include "dialogs/DialogLook.h"

#include "anim/TiledBackground.h"
#include "skin/Look.h"

namespace velmora {

void addTiledBackground(QWidget& dialog) {
    new TiledBackground(dialog, QPixmap::fromImage(lookPicture(QStringLiteral("tile.bmp"))));
}

EtchedBorder* addEtchedBorder(QWidget& dialog, QRect place, EtchedBorder::Shape shape) {
    auto* border = new EtchedBorder(shape, &dialog);
    border->setGeometry(place);
    border->lower();
    if (auto* background = dialog.findChild<TiledBackground*>(QString(), Qt::FindDirectChildrenOnly)) background->lower();
    return border;
}

QSize clientSizeAround(QRect controls) {
    return {controls.right() + 1 + kDialogMargin, controls.bottom() + 1 + kDialogMargin};
}

void fixDialogSize(QWidget& dialog, QSize client) {
    dialog.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    dialog.setFixedSize(client);
}

}  // namespace velmora
