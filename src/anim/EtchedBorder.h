#pragma once

#include <QWidget>

namespace velmora {

// An etched line two pixels wide that frames a group of controls or separates them: a line in
// the palette's shadow colour (Dark) with a line in its highlight colour (Light) one pixel to the
// right of it, or below it. A Box frames the control's whole rectangle; a Separator draws only
// the top line. Everything else is see-through, and the mouse passes to what lies beneath.
class EtchedBorder final : public QWidget {
    Q_OBJECT

public:
    enum class Shape { Box, Separator };

    explicit EtchedBorder(Shape shape = Shape::Box, QWidget* parent = nullptr);

    Shape shape() const { return shape_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
};

}  // namespace velmora
