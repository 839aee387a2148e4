// What the drum's animation costs.
//   gif_ticks still           processor time over 2 s while an animator stands still (its timer
//                             parked), against the same animator playing
//   gif_ticks reuse|rebuild N N ticks of a 20-frame picture composed on the previous frame, or
//                             built again each time as after a jump; run under callgrind, which
//                             counts only composeTicks (see gif_ticks.sh)
#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <string>

#include "anim/FrameComposer.h"
#include "anim/GifAnimator.h"
#include "engine/GifDecoder.h"

namespace {

using velmora::GifDisposal;
using velmora::GifFrame;
using velmora::GifPicture;

constexpr int kFrames = 20;
constexpr int kScreen = 111;  // the drum's size
constexpr int kSprite = 40;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A picture as optimising encoders write them: a full first frame with see-through pixels,
// then small frames that each change one patch and leave it in place.
GifPicture drumPicture() {
    GifPicture picture{.width = kScreen, .height = kScreen};
    GifFrame first{.width = kScreen, .height = kScreen, .transparentColor = 0xFF00FF};
    for (int i = 0; i < kScreen * kScreen; ++i) first.pixels.push_back(i % 7 == 0 ? velmora::kSeeThroughPixel : 0xFF336699);
    picture.frames.push_back(first);
    for (int k = 1; k < kFrames; ++k) {
        GifFrame frame{.left = (k * 13) % (kScreen - kSprite), .top = (k * 29) % (kScreen - kSprite), .width = kSprite,
                       .height = kSprite, .disposal = GifDisposal::LeaveInPlace};
        frame.pixels.assign(kSprite * kSprite, velmora::kOpaqueAlpha | static_cast<std::uint32_t>(k * 0x0A0B0C));
        picture.frames.push_back(frame);
    }
    return picture;
}

// Kept out of line so callgrind can count exactly this.
[[gnu::noinline]] void composeTicks(const GifPicture& picture, int ticks, bool rebuild) {
    velmora::FrameComposer composer;
    for (int t = 0; t < ticks; ++t) {
        if (rebuild) composer.reset();
        composer.compose(picture, t % kFrames, 0xFFFFFF);
    }
}

// Two 1 x 1 frames, each held 50 ms.
QByteArray twoFrameGif() {
    QByteArray bytes("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff", 19);
    const char frame[] = "\x21\xf9\x04\x00\x05\x00\x00\x00"        // graphic control: 50 ms
                         "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00"  // 1 x 1 at 0, 0
                         "\x02\x02\x44\x01\x00";                     // one pixel of colour 0
    for (int i = 0; i < 2; ++i) bytes.append(frame, sizeof frame - 1);
    bytes.append(';');
    return bytes;
}

double processorShareOver2s() {
    const double before = cpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    return (cpuSeconds() - before) / 2.0;
}

int measureStill(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QFile file(dir.filePath("drum.gif"));
    if (!file.open(QIODevice::WriteOnly) || file.write(twoFrameGif()) < 0) return 1;
    file.close();

    QWidget window;
    window.resize(200, 200);
    velmora::GifAnimator animator(&window);
    animator.load(file.fileName());
    window.show();
    std::printf("still:   %.3f %% of one core over 2 s (timer worker %s)\n", 100.0 * processorShareOver2s(),
                animator.ticking() ? "running" : "parked");
    animator.setAnimate(true);
    std::printf("playing: %.3f %% of one core over 2 s (50 ms frames)\n", 100.0 * processorShareOver2s());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "still") == 0) return measureStill(argc, argv);
    if (argc == 3 && (std::strcmp(argv[1], "reuse") == 0 || std::strcmp(argv[1], "rebuild") == 0)) {
        composeTicks(drumPicture(), std::stoi(argv[2]), std::strcmp(argv[1], "rebuild") == 0);
        return 0;
    }
    std::fprintf(stderr, "usage: gif_ticks still | reuse N | rebuild N\n");
    return 2;
}
