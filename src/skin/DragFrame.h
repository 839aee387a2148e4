#pragma once

#include <QWidget>

namespace velmora {

// The outline that follows the pointer while a window is dragged: three nested dotted
// rectangles in a window of their own above everything, which takes no input and shows
// nothing but the 3-pixel band, so hiding it leaves no trace.
class DragFrame : public QWidget {
public:
    DragFrame();

    // Shows the outline around `frame` (screen coordinates).
    void showAt(const QRect& frame);

    static constexpr int kBandWidth = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace velmora
