#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <optional>

#include "skin/ScaledPicture.h"
#include "skin/WindowDrag.h"

namespace velmora {

class DragFrame;

// The skin of a borderless window. It lies under every other control of the form and covers
// the whole form, paints the skin picture at (0, 0), gives the form's window the picture's
// outline (the colour of its bottom-left pixel is outside), and moves the window when the left
// button is pressed on the bare skin and dragged: a dotted outline follows the pointer once it
// is more than kDragTolerance pixels from the press point, and the window moves there at the
// release. Presses on the other controls never reach it, so they start no drag. Under a Wayland
// compositor the window is see-through outside the outline and the compositor does the drag.
class SkinForm : public QWidget {
public:
    explicit SkinForm(QWidget* form);
    ~SkinForm() override;

    // The form takes the 1× picture's size and outline; an empty picture leaves the form's
    // size and a plain rectangle. On a screen of a higher pixel ratio the 2× picture paints.
    void setPicture(const ScaledPicture& picture);
    const QRegion& outline() const { return outline_; }

    static constexpr int kDragTolerance = 5;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ScaledPicture picture_;
    QRegion outline_;
    std::optional<WindowDrag> drag_;
    std::unique_ptr<DragFrame> frame_;  // a window of its own, made at the first drag
};

}  // namespace velmora
