#include "shell/PlaceholderDrum.h"

#include <QFile>
#include <QTimer>

#include "engine/FileIo.h"
#include "engine/GifSize.h"

namespace velmora {

namespace {
constexpr int kSinglePlayMs = 600;
}

void PlaceholderDrum::load(const QString& fileName) {
    readGifSize(readWholeFile(QFile::encodeName(fileName).toStdString()).span());
    fileName_ = fileName;
    frame_ = 0;
    emit changed();
}

void PlaceholderDrum::setAnimate(bool animate) {
    const bool wasAnimating = animate_;
    animate_ = animate;
    emit changed();
    if (wasAnimating && !animate) {
        notifyStopped();
        return;
    }
    if (animate && !loop_) {
        const int play = ++play_;
        QTimer::singleShot(kSinglePlayMs, this, [this, play] {
            if (play != play_ || !animate_ || loop_) return;
            animate_ = false;
            frame_ = 0;
            emit changed();
            notifyStopped();
        });
    }
}

void PlaceholderDrum::setFrameIndex(int index) {
    frame_ = index;
    emit changed();
}

}  // namespace velmora
