#pragma once

#include <QString>

#include <functional>

namespace velmora {

// What the main controller asks of the drum's GIF animator: load a file, loop or play once,
// start and stop, show a frame. When a play ends, or Animate is set false, the stop
// handler runs.
class DrumAnimator {
public:
    virtual ~DrumAnimator() = default;

    // Raises std::exception (with the file layer's message) when the file cannot be loaded.
    virtual void load(const QString& fileName) = 0;
    virtual void setLoop(bool loop) = 0;
    virtual void setAnimate(bool animate) = 0;
    virtual void setFrameIndex(int index) = 0;

    void setStopHandler(std::function<void()> handler) { stopHandler_ = std::move(handler); }

protected:
    void notifyStopped() const {
        if (stopHandler_) stopHandler_();
    }

private:
    std::function<void()> stopHandler_;
};

}  // namespace velmora
