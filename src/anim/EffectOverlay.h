#pragma once

#include <QImage>
#include <QWidget>

#include <chrono>

#include "anim/EffectSurface.h"
#include "anim/InvertCanvas.h"

namespace velmora {

// The screen surface of the window effects: a window over part of the screen that shows the lit
// pixels of an InvertCanvas as the inverse of what the screen showed there when it opened (pure
// black where that could not be read). Its shape is exactly its lit pixels, so the rest of the
// screen stays untouched with or without a compositing manager; it takes neither input nor focus
// and stays above other windows. Once it is gone, the screen is as it was.
class EffectOverlay final : public QWidget, public EffectSurface {
    Q_OBJECT

public:
    // `area` in screen coordinates; `backdrop` is what the screen shows there (null if unknown).
    EffectOverlay(const QRect& area, const QImage& backdrop, std::chrono::milliseconds pause);

    void invert(const Outline& outline) override;
    // Lets the program run for the pause length; no pause at all when it is zero.
    void pause() override;

    const InvertCanvas& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    InvertCanvas canvas_;
    QImage ink_;  // the colour of each pixel when lit, relative to the area
    std::chrono::milliseconds pause_;
};

}  // namespace velmora
