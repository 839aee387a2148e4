#include "anim/PauseWithoutInput.h"

#include <QEventLoop>
#include <QTimer>

namespace velmora {

void pauseWithoutInput(std::chrono::milliseconds length) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);  // the effects pause a few milliseconds at a time
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(length);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace velmora
