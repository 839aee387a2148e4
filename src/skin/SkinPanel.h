#pragma once

#include <QWidget>

namespace velmora {

// A see-through panel: paints nothing, so whatever lies beneath (the skin, an animation that
// keeps playing) shows through it, and reports clicks and double-clicks. A click is a left
// press and release on the panel; the second press of a double-click is a double-click only.
class SkinPanel : public QWidget {
    Q_OBJECT

public:
    explicit SkinPanel(QWidget* parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace velmora
