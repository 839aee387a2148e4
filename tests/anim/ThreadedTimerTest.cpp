// The threaded timer: ticks on the creating thread, parking and re-arming, the one-at-a-time
// hand-over, handler errors and destruction in every state of the worker.
#include "anim/ThreadedTimer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace velmora {
namespace {

using namespace std::chrono_literals;

// Generous bounds: these tests must hold on a loaded machine and under ThreadSanitizer.
constexpr int kPatience = 10000;  // ms to wait for something that must happen
constexpr int kQuiet = 300;       // ms of event processing during which nothing may happen

// Keeps the GUI thread busy without processing events, as a long computation does.
void busy(std::chrono::milliseconds span) { std::this_thread::sleep_for(span); }

// Names the cases of a table after their `name` field.
template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& cell) {
    return cell.param.name;
}

ThreadedTimer::Handler counter(int& calls) {
    return [&calls](ThreadedTimer&) { ++calls; };
}

TEST(ThreadedTimer, StartsEnabledWithOneSecondNoHandlerAndAParkedWorker) {
    ThreadedTimer timer;
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_FALSE(timer.hasHandler());
    EXPECT_TRUE(timer.parked());
}

TEST(ThreadedTimer, TicksOnTheCreatingThreadAndPassesItself) {
    ThreadedTimer timer;
    std::vector<std::pair<ThreadedTimer*, QThread*>> calls;
    timer.setInterval(30);
    timer.setOnTimer([&calls](ThreadedTimer& t) { calls.emplace_back(&t, QThread::currentThread()); });
    EXPECT_FALSE(timer.parked());
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.size() >= 3; }, kPatience));
    for (const auto& [who, where] : calls) {
        EXPECT_EQ(who, &timer);
        EXPECT_EQ(where, timer.thread());
    }
}

struct Setup {
    const char* name;
    void (*apply)(ThreadedTimer&, ThreadedTimer::Handler);
};

class TimerNeverWakes : public testing::TestWithParam<Setup> {};

TEST_P(TimerNeverWakes, WhenItLacksAnyOfTheThreeConditions) {
    ThreadedTimer timer;
    int calls = 0;
    GetParam().apply(timer, counter(calls));
    EXPECT_TRUE(timer.parked());
    QTest::qWait(kQuiet);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(timer.parked());
}

INSTANTIATE_TEST_SUITE_P(
    ThreadedTimer, TimerNeverWakes,
    testing::Values(
        Setup{"NoHandler", [](ThreadedTimer& timer, ThreadedTimer::Handler) { timer.setInterval(20); }},
        Setup{"DisabledBeforeTheHandler",
              [](ThreadedTimer& timer, ThreadedTimer::Handler handler) {
                  timer.setEnabled(false);
                  timer.setInterval(20);
                  timer.setOnTimer(std::move(handler));
              }},
        Setup{"ZeroInterval",
              [](ThreadedTimer& timer, ThreadedTimer::Handler handler) {
                  timer.setInterval(0);
                  timer.setOnTimer(std::move(handler));
              }}),
    caseName<Setup>);

struct StopAndGo {
    const char* name;
    void (*stop)(ThreadedTimer&);
    void (*resume)(ThreadedTimer&, ThreadedTimer::Handler);
};

class TimerRearms : public testing::TestWithParam<StopAndGo> {};

TEST_P(TimerRearms, ParksAndResumes) {
    ThreadedTimer timer;
    int calls = 0;
    timer.setInterval(20);
    timer.setOnTimer(counter(calls));
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls >= 1; }, kPatience));

    GetParam().stop(timer);
    EXPECT_TRUE(timer.parked());
    // A tick handed over just before may still run; a running worker would add a dozen.
    const int stopped = calls;
    QTest::qWait(kQuiet);
    EXPECT_LE(calls, stopped + 1);
    EXPECT_TRUE(timer.parked());

    GetParam().resume(timer, counter(calls));
    EXPECT_FALSE(timer.parked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls >= stopped + 3; }, kPatience));
}

INSTANTIATE_TEST_SUITE_P(
    ThreadedTimer, TimerRearms,
    testing::Values(
        StopAndGo{"Enabled", [](ThreadedTimer& timer) { timer.setEnabled(false); },
                  [](ThreadedTimer& timer, ThreadedTimer::Handler) { timer.setEnabled(true); }},
        StopAndGo{"Interval", [](ThreadedTimer& timer) { timer.setInterval(0); },
                  [](ThreadedTimer& timer, ThreadedTimer::Handler) { timer.setInterval(20); }},
        StopAndGo{"Handler", [](ThreadedTimer& timer) { timer.setOnTimer(nullptr); },
                  [](ThreadedTimer& timer, ThreadedTimer::Handler handler) {
                      timer.setOnTimer(std::move(handler));
                  }}),
    caseName<StopAndGo>);

TEST(ThreadedTimer, ANewIntervalAppliesFromTheNextWait) {
    ThreadedTimer timer;
    QElapsedTimer clock;
    std::vector<qint64> ticks;
    clock.start();
    timer.setInterval(300);
    timer.setOnTimer([&](ThreadedTimer&) { ticks.push_back(clock.elapsed()); });
    busy(50ms);
    timer.setInterval(2000);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !ticks.empty(); }, kPatience));
    EXPECT_LT(ticks[0], 1500);  // the wait in progress kept its 300 ms
    EXPECT_FALSE(QTest::qWaitFor([&] { return ticks.size() >= 2; }, 1000));  // the next took 2000
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= 2; }, kPatience));
    EXPECT_GE(ticks[1] - ticks[0], 1000);
}

TEST(ThreadedTimer, ParkingHoldsAWaitThatEndsAtOnceWhenReleasedAfterItsDeadline) {
    ThreadedTimer timer;
    int calls = 0;
    timer.setInterval(300);
    timer.setOnTimer(counter(calls));
    busy(150ms);  // the worker is halfway through its first wait
    timer.setInterval(0);
    QTest::qWait(2 * kQuiet);
    EXPECT_EQ(calls, 0);  // the deadline passed while parked

    // A fresh wait of a minute would outlast the patience; the old one has no time left.
    timer.setInterval(60000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 1; }, kPatience));
}

TEST(ThreadedTimer, AWorkerParkedDuringItsTickStartsAFreshWaitWhenReleased) {
    ThreadedTimer timer;
    int calls = 0;
    timer.setInterval(50);
    timer.setOnTimer([&calls](ThreadedTimer& self) {
        if (++calls == 1) self.setInterval(0);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls == 1; }, kPatience));
    QTest::qWait(kQuiet);
    EXPECT_EQ(calls, 1);

    timer.setInterval(1000);
    EXPECT_FALSE(QTest::qWaitFor([&] { return calls == 2; }, 500));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 2; }, kPatience));
}

TEST(ThreadedTimer, WorkerWaitsUntilItsTickHasRun) {
    ThreadedTimer timer;
    int calls = 0;
    timer.setInterval(100);
    timer.setOnTimer(counter(calls));
    busy(1000ms);  // ten intervals: a worker that did not wait would have queued ten ticks
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls >= 1; }, kPatience));
    EXPECT_EQ(calls, 1);
}

TEST(ThreadedTimer, AQueuedTickOfADisabledTimerCallsNothing) {
    ThreadedTimer timer;
    int calls = 0;
    timer.setInterval(20);
    timer.setOnTimer(counter(calls));
    busy(400ms);  // the first tick is queued by now, its worker waiting for it
    timer.setEnabled(false);
    QTest::qWait(kQuiet);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(timer.parked());
}

TEST(ThreadedTimer, ReplacingTheHandlerKeepsItRunningWithTheNewOne) {
    ThreadedTimer timer;
    int first = 0;
    int second = 0;
    timer.setInterval(30);
    timer.setOnTimer(counter(first));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first >= 1; }, kPatience));
    timer.setOnTimer(counter(second));
    EXPECT_FALSE(timer.parked());
    ASSERT_TRUE(QTest::qWaitFor([&] { return second >= 2; }, kPatience));
    EXPECT_EQ(first, 1);
}

// Delivers the events of the object it watches itself and keeps what they throw, as the
// program's application object does for every event.
class ErrorCatcher : public QObject {
public:
    std::vector<std::string> errors;

    bool eventFilter(QObject* watched, QEvent* event) override {
        try {
            watched->event(event);
        } catch (const std::exception& e) {
            errors.emplace_back(e.what());
        }
        return true;
    }
};

TEST(ThreadedTimer, AHandlerErrorReachesTheEventLoopAndTheTicksGoOn) {
    ThreadedTimer timer;
    ErrorCatcher catcher;
    timer.installEventFilter(&catcher);
    int calls = 0;
    timer.setInterval(20);
    timer.setOnTimer([&calls](ThreadedTimer&) {
        if (++calls == 1) throw std::runtime_error("broken frame");
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls >= 3; }, kPatience));
    EXPECT_EQ(catcher.errors, std::vector<std::string>{"broken frame"});
    EXPECT_FALSE(timer.parked());
}

TEST(ThreadedTimer, AHandlerMayDestroyItsTimer) {
    int calls = 0;
    auto* timer = new ThreadedTimer;
    timer->setInterval(20);
    timer->setOnTimer([&calls](ThreadedTimer& t) {
        delete &t;
        ++calls;  // the handler's own state outlives the timer it came from
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls >= 1; }, kPatience));
    QTest::qWait(kQuiet);
    EXPECT_EQ(calls, 1);
}

struct Moment {
    const char* name;
    std::int32_t interval;
    std::chrono::milliseconds busyFor;
};

void PrintTo(const Moment& moment, std::ostream* os) { *os << moment.name; }

class TimerDestruction : public testing::TestWithParam<Moment> {};

TEST_P(TimerDestruction, IsQuickAndCallsNothingAfterwards) {
    int calls = 0;
    auto timer = std::make_unique<ThreadedTimer>();
    timer->setInterval(GetParam().interval);
    timer->setOnTimer(counter(calls));
    busy(GetParam().busyFor);
    QElapsedTimer clock;
    clock.start();
    timer.reset();
    EXPECT_LT(clock.elapsed(), 5000);  // far below the one-minute wait a stuck worker would sit out
    QTest::qWait(kQuiet);
    EXPECT_EQ(calls, 0);
}

INSTANTIATE_TEST_SUITE_P(
    ThreadedTimer, TimerDestruction,
    testing::Values(Moment{"WithATickQueued", 20, 400ms},  // the worker waits for that tick
                    Moment{"MidWait", 60000, 50ms}),
    caseName<Moment>);

}  // namespace
}  // namespace velmora
