#include "support/FileClock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <stdexcept>
#include <thread>
#include <vector>

namespace velmora::test {

namespace {
bool before(const timespec& a, const timespec& b) { return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec); }
}  // namespace

void setModifiedTime(const std::string& path, long secondsFromNow) {
    const timespec when{std::time(nullptr) + secondsFromNow, 0};
    const timespec times[2] = {when, when};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) throw std::runtime_error("cannot set the time of " + path);
}

void waitUntilTheClockPasses(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) throw std::runtime_error("cannot look at " + path);
    timespec now{};
    for (;;) {
        ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
        if (before(st.st_ctim, now)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void rewriteInPlaceKeepingSizeAndTime(const std::string& path, std::uint8_t fill) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) throw std::runtime_error("cannot look at " + path);
    const int fd = ::open(path.c_str(), O_WRONLY);
    const std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size), fill);
    const bool written = fd >= 0 && ::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size());
    if (fd >= 0) ::close(fd);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    if (!written || ::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) throw std::runtime_error("cannot rewrite " + path);
}

}  // namespace velmora::test
