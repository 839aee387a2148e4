#include "skin/ImageBtn.h"

#include <QMouseEvent>
#include <QPainter>

#include "skin/PictureOutline.h"
#include "skin/SeeThrough.h"

namespace velmora {

namespace {

constexpr QRgb kShadow = 0xFF000000;

QImage stretched(const QImage& picture, QSize size) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation).convertToFormat(QImage::Format_ARGB32);
}

// The see-through colour of a face: its top-left pixel.
QRgb keyColour(const QImage& face) { return face.pixel(0, 0) & 0x00FFFFFF; }

}  // namespace

ImageBtn::ImageBtn(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageBtn::setFaces(const ScaledPicture& normal, const ScaledPicture& pressed) {
    normal_ = normal;
    pressed_ = pressed;
    forgetLooks();
}

void ImageBtn::setGlyph(const ScaledPicture& glyph) {
    glyph_ = {withSeeThroughCorner(glyph.single()), withSeeThroughCorner(glyph.doubled())};
    update();
}

void ImageBtn::forgetLooks() {
    outlines_ = {};
    appliedDown_.reset();
    applyOutline();
    update();
}

void ImageBtn::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    forgetLooks();
}

const ScaledPicture& ImageBtn::facePicture(bool pressed) const {
    return pressed && !pressed_.isNull() ? pressed_ : normal_;
}

const QRegion& ImageBtn::outline(bool pressed) const {
    std::optional<QRegion>& outline = outlines_[pressed ? 1 : 0];
    if (!outline) {
        const QImage& picture = facePicture(pressed).single();
        outline = picture.isNull() || size().isEmpty() ? QRegion()
                                                       : outlineRegion(stretched(picture, size()), keyColour(picture));
    }
    return *outline;
}

void ImageBtn::applyOutline() {
    if (appliedDown_ == isDown()) return;
    appliedDown_ = isDown();
    const QRegion& shape = outline(isDown());
    if (shape.isEmpty()) clearMask();
    else setMask(shape);
}

// Inside either state's shape: the pressed face may reach pixels the normal one does not.
bool ImageBtn::hitButton(const QPoint& pos) const {
    if (normal_.isNull()) return rect().contains(pos);
    return outline(false).contains(pos) || outline(true).contains(pos);
}

void ImageBtn::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    applyOutline();
}

void ImageBtn::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    applyOutline();
}

void ImageBtn::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton::mouseReleaseEvent(event);
    applyOutline();
}

QImage ImageBtn::stateFace(bool pressed, qreal ratio) const {
    const QImage& picture = facePicture(pressed).forRatio(ratio);
    const qreal scale = picture.devicePixelRatio();
    QImage face = stretched(picture, size() * scale);
    face.setDevicePixelRatio(scale);
    replaceColour(face, keyColour(picture), kShadow);
    if (!pressed || !pressed_.isNull()) return face;
    QImage moved(face.size(), QImage::Format_ARGB32);
    moved.setDevicePixelRatio(scale);
    moved.fill(kShadow);
    QPainter(&moved).drawImage(kFaceDownOffset, face);
    return moved;
}

void ImageBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (normal_.isNull()) {  // no artwork: a plain placeholder
        painter.fillRect(rect(), palette().button());
        painter.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    const qreal ratio = devicePixelRatioF();
    painter.drawImage(0, 0, stateFace(isDown(), ratio));
    if (!glyph_.isNull()) {
        const QSize glyphSize = glyph_.single().size();
        const QPoint centred((width() - glyphSize.width()) / 2, (height() - glyphSize.height()) / 2);
        painter.drawImage(centred + (isDown() ? kGlyphDownOffset : QPoint()), glyph_.forRatio(ratio));
    }
}

}  // namespace velmora
