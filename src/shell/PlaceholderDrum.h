#pragma once

#include <QObject>
#include <QString>

#include "shell/DrumAnimator.h"

namespace velmora {

// The drum until the GIF animator draws it: it checks that each animation file is a GIF it
// could play, keeps the state the controller sets, ends a single play after a short while,
// and tells the window what to show.
class PlaceholderDrum : public QObject, public DrumAnimator {
    Q_OBJECT

public:
    void load(const QString& fileName) override;
    void setLoop(bool loop) override { loop_ = loop; }
    void setAnimate(bool animate) override;
    void setFrameIndex(int index) override;

    const QString& fileName() const { return fileName_; }
    bool animating() const { return animate_; }
    int frameIndex() const { return frame_; }

signals:
    void changed();

private:
    QString fileName_;
    bool loop_ = true;
    bool animate_ = false;
    int frame_ = 0;
    int play_ = 0;  // numbers each play, so an old play's end is ignored
};

}  // namespace velmora
