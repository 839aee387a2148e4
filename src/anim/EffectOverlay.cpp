#include "anim/EffectOverlay.h"

#include <QPaintEvent>
#include <QPainter>

#include "anim/PauseWithoutInput.h"

namespace velmora {

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// The screen's own pixels where known, see-through otherwise.
QImage unlitPixels(const QImage& backdrop, QSize size) {
    if (backdrop.isNull()) {
        QImage clear(size, kFormat);
        clear.fill(Qt::transparent);
        return clear;
    }
    return backdrop.convertToFormat(kFormat);
}

// The inverse of the screen's pixels where known, black otherwise.
QImage litPixels(const QImage& backdrop, QSize size) {
    if (backdrop.isNull()) {
        QImage black(size, kFormat);
        black.fill(Qt::black);
        return black;
    }
    QImage inverse = backdrop.convertToFormat(QImage::Format_RGB32);
    inverse.invertPixels();
    return inverse.convertToFormat(kFormat);
}

}  // namespace

EffectOverlay::EffectOverlay(const QRect& area, const QImage& backdrop, std::chrono::milliseconds pause)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint),
      canvas_(area),
      pause_(pause) {
    // A view of the screen counts only at one image pixel per overlay pixel: a high-density
    // screen gives more, and a blurred copy would show, so it goes the see-through way.
    const QImage screen = backdrop.size() == area.size() ? backdrop : QImage();
    unlit_ = unlitPixels(screen, area.size());
    lit_ = litPixels(screen, area.size());
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setGeometry(area);
}

void EffectOverlay::invert(const Outline& outline) {
    const QRect changed = canvas_.invert(outline);
    if (changed.isEmpty()) return;
    update(changed.translated(-canvas_.area().topLeft()));
    if (!isVisible()) show();
}

void EffectOverlay::pause() {
    if (pause_.count() > 0) pauseWithoutInput(pause_);
}

void EffectOverlay::paintEvent(QPaintEvent* event) {
    const QRect dirty = event->rect() & rect();
    if (dirty.isEmpty()) return;
    QImage part(dirty.size(), kFormat);
    for (int y = 0; y < dirty.height(); ++y) {
        const std::uint8_t* on = canvas_.litRow(dirty.y() + y) + dirty.x();
        const auto* lit = reinterpret_cast<const QRgb*>(lit_.constScanLine(dirty.y() + y)) + dirty.x();
        const auto* unlit = reinterpret_cast<const QRgb*>(unlit_.constScanLine(dirty.y() + y)) + dirty.x();
        auto* out = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < dirty.width(); ++x) out[x] = on[x] ? lit[x] : unlit[x];
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(dirty.topLeft(), part);
}

}  // namespace velmora
