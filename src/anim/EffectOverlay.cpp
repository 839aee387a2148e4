#include "anim/EffectOverlay.h"

#include <QPaintEvent>
#include <QPainter>

#include "anim/PauseWithoutInput.h"

namespace velmora {

namespace {

// The inverse of the backdrop, sized to the area; an unknown backdrop counts as white.
QImage inkFor(const QImage& backdrop, QSize size) {
    QImage ink;
    if (backdrop.isNull()) {
        ink = QImage(size, QImage::Format_RGB32);
        ink.fill(Qt::white);
    } else {
        ink = backdrop.scaled(size).convertToFormat(QImage::Format_RGB32);
    }
    ink.invertPixels();
    return ink;
}

}  // namespace

EffectOverlay::EffectOverlay(const QRect& area, const QImage& backdrop, std::chrono::milliseconds pause)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint),
      canvas_(area),
      ink_(inkFor(backdrop, area.size())),
      pause_(pause) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setGeometry(area);
}

void EffectOverlay::invert(const Outline& outline) {
    const QRect changed = canvas_.invert(outline);
    if (changed.isEmpty()) return;
    const QRegion lit = canvas_.litRegion();
    // An empty mask would mean no mask at all, showing the whole window: hide instead.
    if (lit.isEmpty()) {
        hide();
        return;
    }
    setMask(lit);
    update(changed.translated(-canvas_.area().topLeft()));
    if (!isVisible()) show();
}

void EffectOverlay::pause() {
    if (pause_.count() > 0) pauseWithoutInput(pause_);
}

void EffectOverlay::paintEvent(QPaintEvent* event) {
    const QRect dirty = event->rect() & rect();
    if (dirty.isEmpty()) return;
    QImage part(dirty.size(), QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::transparent);
    const QPoint origin = canvas_.area().topLeft() + dirty.topLeft();
    for (int y = 0; y < dirty.height(); ++y) {
        const auto* ink = reinterpret_cast<const QRgb*>(ink_.constScanLine(dirty.y() + y)) + dirty.x();
        auto* out = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < dirty.width(); ++x) {
            if (canvas_.lit(origin + QPoint(x, y))) out[x] = ink[x];
        }
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(dirty.topLeft(), part);
}

}  // namespace velmora
