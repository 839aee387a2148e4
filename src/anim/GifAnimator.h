#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <span>

#include "anim/FrameComposer.h"
#include "anim/ThreadedTimer.h"
#include "engine/GifDecoder.h"

namespace velmora {

// Plays a GIF picture: holds every frame for its own delay, composes the frames by their
// disposal methods, and lets the parent show through the picture's transparent pixels. Frames
// advance on the ticks of a threaded timer, which run on the user-interface thread; the timer's
// worker is parked whenever nothing plays. All of it is used from the user-interface thread only.
class GifAnimator : public QWidget {
    Q_OBJECT

public:
    explicit GifAnimator(QWidget* parent = nullptr);

    // Replaces the picture with a GIF file and restarts at its first frame; a running animation
    // goes on with the new picture. Raises EngineError (the file layer's or the decoder's
    // message) and keeps the old picture when the file cannot be loaded: missing, not a
    // regular file, longer than kLongestGifFile, or decoding past the decode limits.
    void load(const QString& fileName);
    // Far above any animation of the drum (tens of KiB).
    static constexpr std::uint64_t kLongestGifFile = std::uint64_t{4} << 20;
    // The same for a GIF file held in memory, such as a picture built into the program.
    void loadFromData(std::span<const std::uint8_t> gifFile);

    // Starts or stops playing. Stopping, by a caller or at the end of a play without Loop,
    // calls the stop handler.
    void setAnimate(bool animate);
    bool animate() const { return animate_; }
    // Whether playing goes on after the last frame; read only at the wrap to the first frame.
    void setLoop(bool loop) { loop_ = loop; }
    // Shows frame `index`; an index outside the picture's frames is ignored.
    void setFrameIndex(int index);
    int frameIndex() const { return index_; }
    // Whether every load sizes the control to the picture's logical screen (top-left kept).
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void setOnStop(std::function<void()> handler) { onStop_ = std::move(handler); }

    int frameCount() const { return static_cast<int>(picture_.frames.size()); }
    // How long the shown frame stays, in ms (the timer's interval); 0 keeps the timer still.
    int holdTime() const { return timer_.interval(); }
    // Whether ticks are coming: the timer's worker is released.
    bool ticking() const { return !timer_.parked(); }
    // The composed picture of the current frame, as the next paint shows it (null while empty).
    const QImage& currentFrame() const;

    // One step of the animation, as the timer runs it: the next frame (the first after the
    // last), painted at once; the end of a play without Loop stops there.
    void tick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool canTick() const;
    void showNextFrame();
    int holdTimeOf(int index) const;
    void pictureChanged();

    GifPicture picture_;
    mutable FrameComposer composer_;  // a cache: composing does not change what is shown
    int index_ = -1;
    bool animate_ = false;
    bool loop_ = true;
    bool autoSize_ = true;
    std::function<void()> onStop_;
    // Last, so it goes first: no tick reaches the members above while they are destroyed, and
    // destruction never calls the stop handler.
    ThreadedTimer timer_;
};

}  // namespace velmora
