#pragma once

#include "anim/GifAnimator.h"
#include "shell/DrumAnimator.h"

namespace velmora {

// The drum as the controller drives it, played by the GIF animator.
class GifDrum : public DrumAnimator {
public:
    explicit GifDrum(GifAnimator& animator) : animator_(animator) {
        animator_.setOnStop([this] { notifyStopped(); });
    }

    void load(const QString& fileName) override { animator_.load(fileName); }
    void setLoop(bool loop) override { animator_.setLoop(loop); }
    void setAnimate(bool animate) override { animator_.setAnimate(animate); }
    void setFrameIndex(int index) override { animator_.setFrameIndex(index); }

private:
    GifAnimator& animator_;
};

}  // namespace velmora
