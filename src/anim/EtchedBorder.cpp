#include "anim/EtchedBorder.h"

#include <QPainter>

namespace velmora {

EtchedBorder::EtchedBorder(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void EtchedBorder::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    if (w < 2 || h < 2) return;
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    if (shape_ == Shape::Separator) {
        painter.fillRect(0, 0, w, 1, shadow);
        painter.fillRect(0, 1, w, 1, highlight);
        return;
    }
    // The highlight frame goes one pixel right of and below the shadow frame; where the two
    // cross, near the top-right and bottom-left corners, the shadow lies on top so each line
    // ends cleanly.
    const auto frame = [&](int left, int top, int right, int bottom, const QColor& colour) {
        painter.fillRect(left, top, right - left + 1, 1, colour);
        painter.fillRect(left, bottom, right - left + 1, 1, colour);
        painter.fillRect(left, top, 1, bottom - top + 1, colour);
        painter.fillRect(right, top, 1, bottom - top + 1, colour);
    };
    frame(1, 1, w - 1, h - 1, highlight);
    frame(0, 0, w - 2, h - 2, shadow);
}

}  // namespace velmora
