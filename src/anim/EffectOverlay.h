#pragma once

#include <QImage>
#include <QWidget>

#include <chrono>

#include "anim/EffectSurface.h"
#include "anim/InvertCanvas.h"

namespace velmora {

// The screen surface of the window effects: a window over part of the screen that shows what
// the screen showed there when the play began, with the lit pixels of an InvertCanvas inverted.
// It takes neither input nor focus and stays above other windows; once it is gone, the screen
// is as it was.
//
// The window is a full copy of what lies beneath rather than a see-through window shaped to the
// lit pixels: a shape of thousands of one-pixel runs, changed at every drawing call, made a play
// take seconds on X servers. Where the screen cannot be read pixel for pixel, the unlit pixels
// are see-through instead and the lines are black, which a compositing desktop shows correctly.
class EffectOverlay final : public QWidget, public EffectSurface {
    Q_OBJECT

public:
    // `area` in screen coordinates; `backdrop` is what the screen shows there, one pixel per
    // pixel of the area (anything else counts as unknown).
    EffectOverlay(const QRect& area, const QImage& backdrop, std::chrono::milliseconds pause);

    // Shows the overlay with the first outline that lights anything.
    void invert(const Outline& outline) override;
    // Lets the program run for the pause length; no pause at all when it is zero.
    void pause() override;

    const InvertCanvas& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    InvertCanvas canvas_;
    QImage unlit_;  // each pixel as shown while not lit, relative to the area
    QImage lit_;    // each pixel as shown while lit
    std::chrono::milliseconds pause_;
};

}  // namespace velmora
