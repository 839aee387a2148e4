#include "shell/TimedWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace velmora {

std::uint32_t tickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void waitMs(std::int32_t ms, const TickSource& ticks) {
    const std::uint32_t start = ticks();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    for (;;) {
        const std::uint32_t elapsed = ticks() - start;  // modulo 2^32: a wrap changes nothing
        if (ms <= 0 || elapsed >= static_cast<std::uint32_t>(ms)) return;
        // Sleep in a nested event loop until the time is up; events that arrive meanwhile
        // (painting, animation ticks, input) are handled as they come.
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(static_cast<std::uint32_t>(ms) - elapsed), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}

}  // namespace velmora
