#include "skin/SkinForm.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "anim/Compositor.h"

#include "skin/DragFrame.h"
#include "skin/PictureOutline.h"

namespace velmora {

SkinForm::SkinForm(QWidget* form) : QWidget(form) {
    setObjectName(QStringLiteral("SkinForm"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(form->rect());
    // Outside the outline the window is see-through as well as cut away: a Wayland compositor
    // takes the mask for the input region only, and some compositing X window managers ignore
    // a window's shape and show all of it as painted.
    form->setAttribute(Qt::WA_TranslucentBackground);
    lower();
    form->installEventFilter(this);
}

// Whatever size the form takes, the skin covers it.
bool SkinForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

SkinForm::~SkinForm() = default;

void SkinForm::setPicture(const ScaledPicture& picture) {
    picture_ = picture;
    QWidget* form = window();
    if (const QImage& single = picture_.single(); !single.isNull()) {
        form->setFixedSize(single.size());
        outline_ = outlineRegion(single, single.pixel(0, single.height() - 1));
    } else {
        outline_ = QRegion();
    }
    // Set on the top-level window, the mask becomes the window's shape on the X server:
    // pixels outside it belong to whatever lies beneath.
    if (outline_.isEmpty()) form->clearMask();
    else form->setMask(outline_);
    update();
}

void SkinForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setClipRegion(outline_);
    painter.drawImage(0, 0, picture_.forRatio(devicePixelRatioF()));
}

void SkinForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || drag_) {
        event->ignore();
        return;
    }
    QWidget* form = window();
    // Only the compositor may move a Wayland window; it follows the pointer itself.
    if (onWaylandCompositor() && form->windowHandle() && form->windowHandle()->startSystemMove()) return;
    drag_.emplace(event->globalPosition().toPoint(), mapTo(form, event->position().toPoint()), form->size(),
                  kDragTolerance);
    // The pointer stays ours wherever it goes until the release.
    grabMouse();
}

void SkinForm::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_) return;
    if (const auto frame = drag_->pointerMoved(event->globalPosition().toPoint())) {
        if (!frame_) frame_ = std::make_unique<DragFrame>();
        frame_->showAt(*frame);
    }
}

void SkinForm::mouseReleaseEvent(QMouseEvent* event) {
    if (!drag_ || event->button() != Qt::LeftButton) return;
    const std::optional<QRect> frame = drag_->frame();
    drag_.reset();
    releaseMouse();
    if (!frame) return;
    frame_->hide();
    window()->move(frame->topLeft());
}

}  // namespace velmora
