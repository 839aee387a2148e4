#include "skin/SkinPanel.h"

#include <QMouseEvent>

namespace velmora {

SkinPanel::SkinPanel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_NoSystemBackground); }

void SkinPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    else event->ignore();
}

void SkinPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

void SkinPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    else event->ignore();
}

}  // namespace velmora
