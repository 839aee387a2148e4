#include "anim/TiledBackground.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace velmora {

std::vector<QRect> tileRects(QSize area, QSize tile) {
    std::vector<QRect> tiles;
    if (area.isEmpty() || tile.isEmpty()) return tiles;
    for (int y = 0; y < area.height(); y += tile.height()) {
        for (int x = 0; x < area.width(); x += tile.width()) {
            tiles.emplace_back(x, y, std::min(tile.width(), area.width() - x), std::min(tile.height(), area.height() - y));
        }
    }
    return tiles;
}

TiledBackground::TiledBackground(QWidget& dialog, const QPixmap& tile) : QWidget(&dialog), tile_(tile) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(dialog.rect());
    lower();
    dialog.installEventFilter(this);
}

bool TiledBackground::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

void TiledBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const QRect& place : tileRects(size(), tile_.size())) {
        painter.drawPixmap(place.topLeft(), tile_, QRect(QPoint(0, 0), place.size()));
    }
}

}  // namespace velmora
