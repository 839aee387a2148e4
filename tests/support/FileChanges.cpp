#include "support/FileChanges.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

#include "support/FileClock.h"

namespace velmora::test {

namespace {

void check(bool done, const std::string& what) {
    if (!done) throw std::runtime_error("cannot " + what);
}

// The last half of the file becomes fill; its modification time moves as a write's does.
void rewriteLastHalf(const std::string& path, std::uint8_t fill) {
    struct stat st {};
    check(::stat(path.c_str(), &st) == 0, "look at " + path);
    const std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size / 2), fill);
    const int fd = ::open(path.c_str(), O_WRONLY);
    const bool written = fd >= 0 && ::pwrite(fd, bytes.data(), bytes.size(), st.st_size - static_cast<off_t>(bytes.size())) ==
                                        static_cast<ssize_t>(bytes.size());
    if (fd >= 0) ::close(fd);
    check(written, "rewrite " + path);
}

}  // namespace

std::vector<FileChange> fileChanges() {
    const auto afterATick = [](std::function<void(const std::string&)> change) {
        return [change](const std::string& path) {
            waitUntilTheClockPasses(path);
            change(path);
        };
    };
    return {
        {"chmod", false, afterATick([](const std::string& p) { check(::chmod(p.c_str(), 0600) == 0, "chmod " + p); })},
        {"a new hard link", false,
         afterATick([](const std::string& p) {
             ::unlink((p + ".link").c_str());
             check(::link(p.c_str(), (p + ".link").c_str()) == 0, "link " + p);
         })},
        {"touch -a", false, afterATick([](const std::string& p) {
             const timespec times[2] = {{0, UTIME_NOW}, {0, UTIME_OMIT}};
             check(::utimensat(AT_FDCWD, p.c_str(), times, 0) == 0, "touch " + p);
         })},
        {"half the bytes rewritten", true, afterATick([](const std::string& p) { rewriteLastHalf(p, 0x7F); })},
        {"every byte rewritten, size and modification time put back", true,
         afterATick([](const std::string& p) { rewriteInPlaceKeepingSizeAndTime(p, 0x7F); })},
    };
}

}  // namespace velmora::test
