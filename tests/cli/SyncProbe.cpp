// Loaded into velmora-cli with LD_PRELOAD by the save tests: writes, one line each and in
// order, the calls that make a save durable to the file VELMORA_SYNC_PROBE_LOG names, then
// makes the real call.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void note(const char* what, int fd = -1) {
    const char* log = std::getenv("VELMORA_SYNC_PROBE_LOG");
    if (log == nullptr) return;
    const int out = ::open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (out < 0) return;
    char line[64] = {};
    std::strncpy(line, what, sizeof line - 16);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0) std::strcat(line, S_ISDIR(st.st_mode) ? " folder" : " file");
    std::strcat(line, "\n");
    [[maybe_unused]] const auto written = ::write(out, line, std::strlen(line));
    ::close(out);
}

template <typename Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

int fdatasync(int fd) {
    note("fdatasync", fd);
    return real<int (*)(int)>("fdatasync")(fd);
}

int fsync(int fd) {
    note("fsync", fd);
    return real<int (*)(int)>("fsync")(fd);
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) {
    note("linkat");
    return real<int (*)(int, const char*, int, const char*, int)>("linkat")(fromFolder, from, toFolder, to, flags);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    note("renameat");
    return real<int (*)(int, const char*, int, const char*)>("renameat")(fromFolder, from, toFolder, to);
}

}  // extern "C"
