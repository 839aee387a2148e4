#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

namespace velmora {

// A timer whose expiries are measured on a worker thread of its own and run on the thread that
// created it. The worker hands over one tick at a time and waits until it has run, so a busy
// user interface delays ticks but never lets them pile up.
//
// The worker runs only while the timer is enabled, has a non-zero interval and a handler;
// otherwise it is parked, holding still wherever it stood. Changing any of the three re-arms it:
// it takes over the current interval and is released or stays parked. A wait in progress keeps
// its deadline through parking and re-arming, so a new interval applies from the next wait on,
// and a wait that expired while parked ends as soon as the worker is released.
class ThreadedTimer final : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(ThreadedTimer&)>;

    explicit ThreadedTimer(QObject* parent = nullptr);
    // Never blocks for long: the worker leaves any wait at once, and a tick still queued is dropped.
    ~ThreadedTimer() override;

    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    // Milliseconds between ticks; 0 parks the worker, a negative value means no wait at all.
    void setInterval(std::int32_t ms);
    std::int32_t interval() const { return interval_; }
    // The handler runs on the timer's thread; an exception it throws goes on to the event loop
    // (the application object reports it), and the timer keeps running.
    void setOnTimer(Handler handler);
    bool hasHandler() const { return static_cast<bool>(handler_); }
    // Whether the worker is held still; a parked worker hands over no tick.
    bool parked() const;

private:
    struct State;

    Q_INVOKABLE void runTick();  // posted by the worker
    void rearm();
    static void work(const std::shared_ptr<State>& state);

    bool enabled_ = true;
    std::int32_t interval_ = 1000;
    Handler handler_;
    std::shared_ptr<State> state_;
    std::thread worker_;
};

}  // namespace velmora
