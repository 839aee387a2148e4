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

}  // namespace velmora
