#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <vector>

namespace velmora {

// Where the copies of a tile go to cover an area: from the top-left corner in rows, each tile at
// a whole multiple of the tile's size, the last column and row cut at the edges. Row by row,
// left to right; none when the area or the tile is empty.
std::vector<QRect> tileRects(QSize area, QSize tile);

// A dialog's background: one small picture repeated over the dialog's whole client area, beneath
// every other control. It follows the dialog's size and lets the mouse through to the dialog.
class TiledBackground final : public QWidget {
    Q_OBJECT

public:
    explicit TiledBackground(QWidget& dialog, const QPixmap& tile = {});

    const QPixmap& tile() const { return tile_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap tile_;
};

}  // namespace velmora
