#include "skin/DragFrame.h"

#include <QPainter>

namespace velmora {

// Bypassing the window manager and the input keeps the frame from taking focus or the
// pointer; the mask (not a translucent background) makes it see-through, which also holds on
// an X server without a compositor, where a translucent window's clear pixels show black.
DragFrame::DragFrame()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                           Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput) {
    setObjectName(QStringLiteral("DragFrame"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_NoSystemBackground);
}

void DragFrame::showAt(const QRect& frame) {
    setGeometry(frame);
    if (!isVisible()) show();
}

void DragFrame::resizeEvent(QResizeEvent*) {
    setMask(QRegion(rect()) - QRegion(rect().adjusted(kBandWidth, kBandWidth, -kBandWidth, -kBandWidth)));
}

// The dots alternate dark and light pixel by pixel, like an inverted focus rectangle, so the
// outline shows on any background.
void DragFrame::paintEvent(QPaintEvent*) {
    QImage band(size(), QImage::Format_RGB32);
    for (int y = 0; y < band.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(band.scanLine(y));
        for (int x = 0; x < band.width(); ++x) row[x] = (x + y) % 2 == 0 ? 0xFF000000 : 0xFFFFFFFF;
    }
    QPainter(this).drawImage(0, 0, band);
}

}  // namespace velmora
