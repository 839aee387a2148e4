// Prints the processor time a 2000 ms timed wait costs, against the wall time it lasts.
#include <sys/resource.h>

#include <QApplication>

#include <chrono>
#include <cstdio>

#include "shell/TimedWait.h"

namespace {
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const double cpuBefore = cpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    velmora::waitMs(2000);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("waitMs(2000): wall %.3f s, processor %.4f s, %.2f %% of one core (aim < 5 %%)\n", wall, cpu,
                100.0 * cpu / wall);
    return 0;
}
