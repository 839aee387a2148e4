#include "anim/GifAnimator.h"

#include <QFile>
#include <QPainter>
#include <QScopeGuard>

#include <algorithm>

#include "engine/FileIo.h"

namespace velmora {
namespace {

// No frame flashes by faster than this, and none stays longer than that.
constexpr int kShortestHoldMs = 50;
constexpr int kLongestHoldMs = 10000;
constexpr QSize kDefaultSize(105, 105);

}  // namespace

GifAnimator::GifAnimator(QWidget* parent) : QWidget(parent) { resize(kDefaultSize); }

void GifAnimator::load(const QString& fileName) {
    loadFromData(readWholeFile(QFile::encodeName(fileName).toStdString(), kLongestGifFile).span());
}

void GifAnimator::loadFromData(std::span<const std::uint8_t> gifFile) {
    picture_ = decodeGif(gifFile);  // decoded first, so a failure leaves the old picture
    composer_.reset();
    index_ = picture_.frames.empty() ? -1 : 0;
    if (index_ >= 0) timer_.setInterval(holdTimeOf(index_));
    pictureChanged();
}

void GifAnimator::setAnimate(bool animate) {
    if (animate == animate_) return;
    if (animate) {
        timer_.setOnTimer([this](ThreadedTimer&) { tick(); });
        timer_.setEnabled(true);
        animate_ = timer_.enabled();
        return;
    }
    timer_.setEnabled(false);
    timer_.setOnTimer(nullptr);
    animate_ = false;
    if (onStop_) onStop_();
    pictureChanged();
}

void GifAnimator::setFrameIndex(int index) {
    if (index == index_ || index < 0 || index >= frameCount()) return;
    index_ = index;
    timer_.setInterval(holdTimeOf(index_));
    pictureChanged();
}

const QImage& GifAnimator::currentFrame() const {
    // The system's window background (a text field's, not a dialog's) fills opaque pictures.
    return composer_.compose(picture_, index_, palette().color(QPalette::Base).rgb());
}

void GifAnimator::tick() {
    if (!canTick()) return;
    showNextFrame();
    if (!loop_ && index_ == 0) setAnimate(false);
}

// A tick has nothing to do on a hidden control, a still picture, or before there is a window
// to paint in.
bool GifAnimator::canTick() const {
    return !isHidden() && frameCount() >= 2 && parentWidget() != nullptr &&
           parentWidget()->testAttribute(Qt::WA_WState_Created);
}

void GifAnimator::showNextFrame() {
    index_ = index_ < frameCount() - 1 ? index_ + 1 : 0;
    // The new frame's hold time is set even when painting fails, so the animation goes on.
    const auto holdNewFrame = qScopeGuard([this] { timer_.setInterval(holdTimeOf(index_)); });
    repaint();
}

int GifAnimator::holdTimeOf(int index) const {
    if (frameCount() < 2 || index < 0 || index >= frameCount()) return 0;
    return std::clamp(picture_.frames[static_cast<std::size_t>(index)].delayMs, kShortestHoldMs, kLongestHoldMs);
}

void GifAnimator::pictureChanged() {
    if (autoSize_ && !picture_.frames.empty()) setGeometry(x(), y(), picture_.width, picture_.height);
    update();
}

// The control paints nothing where the picture is see-through, so the parent's own painting
// (the skin) and the controls beneath show there; an opaque picture sits on the parent's colour.
void GifAnimator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.frames.empty() && !picture_.hasTransparency()) {
        painter.fillRect(rect(), palette().color(backgroundRole()));
    }
    const QImage& frame = currentFrame();
    if (!frame.isNull()) painter.drawImage(0, 0, frame);
}

}  // namespace velmora
