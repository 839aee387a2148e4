#include "anim/ThreadedTimer.h"

#include <QCoreApplication>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace velmora {

// Everything the worker touches, owned jointly by the timer and its worker so that neither
// outlives what it uses. The timer itself is reached only through `receiver`, under the mutex
// and only while `terminate` is unset: the timer sets it before it is torn down.
struct ThreadedTimer::State {
    explicit State(QObject* owner) : receiver(owner) {}

    std::mutex mutex;
    std::condition_variable wake;
    QObject* const receiver;
    std::int32_t interval = 1000;  // the worker's copy, read at the start of every wait
    bool parked = true;
    bool terminate = false;
    bool tickPending = false;  // handed over to the timer's thread and not run yet
};

ThreadedTimer::ThreadedTimer(QObject* parent)
    : QObject(parent), state_(std::make_shared<State>(this)), worker_(&ThreadedTimer::work, state_) {}

ThreadedTimer::~ThreadedTimer() {
    {
        const std::lock_guard lock(state_->mutex);
        state_->terminate = true;
    }
    state_->wake.notify_one();
    // Cannot deadlock: every wait of the worker ends on terminate, and it needs nothing from
    // this thread to get there. A tick still queued goes with this object, as Qt drops the
    // events posted to a receiver that is deleted.
    worker_.join();
}

void ThreadedTimer::setEnabled(bool enabled) {
    if (std::exchange(enabled_, enabled) != enabled) rearm();
}

void ThreadedTimer::setInterval(std::int32_t ms) {
    if (std::exchange(interval_, ms) != ms) rearm();
}

void ThreadedTimer::setOnTimer(Handler handler) {
    const bool had = hasHandler();
    handler_ = std::move(handler);
    // Swapping one handler for another leaves the worker alone: the next tick calls the new one.
    if (hasHandler() != had) rearm();
}

bool ThreadedTimer::parked() const {
    const std::lock_guard lock(state_->mutex);
    return state_->parked;
}

void ThreadedTimer::rearm() {
    {
        // Parking, taking over the interval and releasing happen under one lock, so the worker
        // only ever sees the outcome; its wait in progress or its pending tick stay as they are.
        const std::lock_guard lock(state_->mutex);
        state_->interval = interval_;
        state_->parked = interval_ == 0 || !enabled_ || !handler_;
    }
    state_->wake.notify_one();
}

void ThreadedTimer::work(const std::shared_ptr<State>& state) {
    using Clock = std::chrono::steady_clock;
    State& s = *state;
    std::unique_lock lock(s.mutex);
    const auto released = [&s] { return s.terminate || !s.parked; };
    for (;;) {
        s.wake.wait(lock, released);
        if (s.terminate) return;
        const auto deadline = Clock::now() + std::chrono::milliseconds(s.interval);
        // Parking holds the wait still without moving its deadline.
        while (!s.terminate && (s.parked || Clock::now() < deadline)) {
            if (s.parked) {
                s.wake.wait(lock, released);
            } else {
                s.wake.wait_until(lock, deadline);
            }
        }
        if (s.terminate) return;
        // Nothing may be posted to an application that closes down; rather than spin, the
        // worker keeps its pace until the timer goes.
        if (QCoreApplication::closingDown()) continue;

        // Posted by name, so the queued call is built, read and freed inside Qt: a call object
        // built here would be read on the timer's thread ordered only by Qt's locks, which the
        // thread sanitizer cannot see in the uninstrumented library.
        // Only one tick is ever pending: the worker waits until it has run (or was dropped with
        // the timer); parked meanwhile, it then holds still before its next wait.
        s.tickPending = true;
        QMetaObject::invokeMethod(s.receiver, "runTick", Qt::QueuedConnection);
        s.wake.wait(lock, [&s] { return s.terminate || !s.tickPending; });
    }
}

void ThreadedTimer::runTick() {
    // Lets the worker go on however the handler ends: normally, by throwing (the error goes on to
    // the event loop) or by destroying this timer, which is why it holds the state itself.
    struct Release {
        std::shared_ptr<State> state;
        ~Release() {
            {
                const std::lock_guard lock(state->mutex);
                state->tickPending = false;
            }
            state->wake.notify_one();
        }
    };
    const Release release{state_};
    if (!enabled_ || !handler_) return;
    // A copy, so the handler may replace itself or destroy the timer while it runs.
    const Handler handler = handler_;
    handler(*this);
}

}  // namespace velmora
