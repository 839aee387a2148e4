#include "widgets/BalloonHint.h"

#include <QEvent>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace velmora {

BalloonHint::BalloonHint(QWidget& control) : QLabel(&control, Qt::ToolTip), control_(control) {
    setObjectName(QStringLiteral("BalloonHint"));
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    shown_.setSingleShot(true);
    shown_.setInterval(kShownMs);
    connect(&shown_, &QTimer::timeout, this, &QWidget::hide);
    control.installEventFilter(this);
}

void BalloonHint::showHint(const QString& text) {
    setText(text);
    adjustSize();
    QPoint place = control_.mapToGlobal(QPoint(0, control_.height()));
    if (const QScreen* screen = control_.screen()) {
        const QRect room = screen->availableGeometry();
        if (place.y() + height() > room.bottom() + 1) place.setY(control_.mapToGlobal(QPoint(0, 0)).y() - height());
        place.setX(std::clamp(place.x(), room.left(), std::max(room.left(), room.right() + 1 - width())));
    }
    move(place);
    show();
    shown_.start();
}

bool BalloonHint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &control_ && (event->type() == QEvent::Hide || event->type() == QEvent::FocusOut)) hide();
    return QLabel::eventFilter(watched, event);
}

}  // namespace velmora
