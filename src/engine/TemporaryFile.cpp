#include "engine/TemporaryFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <string_view>

#include "engine/InterruptCleanup.h"

namespace velmora {

namespace {

constexpr std::string_view kPrefix = ".velmora-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kRandomLetters = 6;
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameAttempts = 100;

// Keeps SIGINT, SIGTERM and SIGHUP waiting while a file gets a name and is listed for the
// handlers, so that no interrupt falls between the two.
class BlockedInterrupts {
public:
    BlockedInterrupts() {
        sigset_t set;
        sigemptyset(&set);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, signal);
        ::pthread_sigmask(SIG_BLOCK, &set, &saved_);
    }
    BlockedInterrupts(const BlockedInterrupts&) = delete;
    BlockedInterrupts& operator=(const BlockedInterrupts&) = delete;
    ~BlockedInterrupts() { ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }

private:
    sigset_t saved_;
};

std::string randomName() {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits)) {
        bits = static_cast<std::uint64_t>(std::time(nullptr)) * 0x9E3779B97F4A7C15u ^ static_cast<std::uint64_t>(::getpid());
    }
    bits += counter.fetch_add(0x9E3779B97F4A7C15u);
    std::string name(kPrefix);
    for (std::size_t i = 0; i < kRandomLetters; ++i, bits /= kLetters.size()) name += kLetters[bits % kLetters.size()];
    return name.append(kSuffix);
}

// An unnamed file is named through its /proc entry, which works for every user.
bool procEntriesAvailable() {
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

// Without /proc, an unnamed file may still be named straight from its descriptor: recent
// kernels let the program that opened it, older ones only a program with CAP_DAC_READ_SEARCH.
// Tried once, on an empty unnamed file of its own
// (an unnamed file that had a name once can never get one again); the answer holds for the
// process.
bool canNameDirectly(int folder) {
    enum : int { kUnknown, kYes, kNo };
    static std::atomic<int> known{kUnknown};
    if (known != kUnknown) return known == kYes;
    const int probe = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (probe < 0) return false;
    const BlockedInterrupts blocked;
    const std::string name = randomName();
    const bool named = ::linkat(probe, "", folder, name.c_str(), AT_EMPTY_PATH) == 0;
    const int error = errno;
    if (named) ::unlinkat(folder, name.c_str(), 0);
    ::close(probe);
    if (named || error == ENOENT || error == EPERM) known = named ? kYes : kNo;  // a taken name tells nothing
    return named;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether name in the folder is still the file open as fd: a sweeping save may have found it
// unlocked in the instant between its creation and its lock, and removed it.
bool stillNamed(int folder, const std::string& name, int fd) {
    struct stat byName {}, byDescriptor {};
    return ::fstatat(folder, name.c_str(), &byName, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &byDescriptor) == 0 &&
           sameFile(byName, byDescriptor);
}

// O_TMPFILE is missing from the file system (or from an old kernel, which sees a folder).
bool unnamedFilesUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

void removeStaleTemporaryFiles(int folder) {
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* dir = ::fdopendir(listing);
    if (dir == nullptr) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryFileName(entry->d_name)) continue;
        const int fd = ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlinkat(folder, entry->d_name, 0);
        }
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace

bool isTemporaryFileName(const std::string& name) {
    return name.size() == kPrefix.size() + kRandomLetters + kSuffix.size() && name.starts_with(kPrefix) &&
           name.ends_with(kSuffix);
}

// Every save sweeps its folder first, whatever kind of file it makes: a named file that a
// killed save left behind goes at the next save into the folder.
TemporaryFile::TemporaryFile(int folder, unsigned mode, TemporaryKind kind) : folder_(folder) {
    removeStaleTemporaryFiles(folder);
    if (kind == TemporaryKind::UnnamedWherePossible) {
        fd_ = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, static_cast<mode_t>(mode));
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_EX);  // held through the moment it has a temporary name
            if (procEntriesAvailable() || canNameDirectly(folder)) return;
            ::close(fd_);
            fd_ = -1;
        } else if (!unnamedFilesUnsupported(errno)) {
            throw SystemCallFailed{errno};
        }
    }
    const BlockedInterrupts blocked;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = randomName();
        fd_ = ::openat(folder, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, static_cast<mode_t>(mode));
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_EX);  // tells a sweeping save that this file is alive
            if (!stillNamed(folder, name, fd_)) {
                ::close(fd_);
                fd_ = -1;
                continue;
            }
            name_ = std::move(name);
            interruptSlot_ = listForInterrupt(folder_, name_.c_str());
            return;
        }
        if (errno != EEXIST) throw SystemCallFailed{errno};
    }
    throw SystemCallFailed{EEXIST};
}

TemporaryFile::~TemporaryFile() {
    if (!name_.empty()) {
        unlistForInterrupt(interruptSlot_);
        ::unlinkat(folder_, name_.c_str(), 0);
    }
    if (fd_ >= 0) ::close(fd_);
}

int TemporaryFile::linkUnnamed(const std::string& name) const {
    if (!procEntriesAvailable()) return ::linkat(fd_, "", folder_, name.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    return ::linkat(AT_FDCWD, self.c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

void TemporaryFile::placeAs(const std::string& target) {
    if (name_.empty()) {
        // Where nothing has the name yet, linking creates it in one step, with no name between.
        const int error = linkUnnamed(target);
        if (error == 0) return;
        if (error != EEXIST) throw SystemCallFailed{error};
        // Otherwise a short-lived name, which the rename below replaces the target with.
        const BlockedInterrupts blocked;
        for (int attempt = 0; attempt < kNameAttempts && name_.empty(); ++attempt) {
            std::string name = randomName();
            const int linkError = linkUnnamed(name);
            if (linkError == 0) {
                name_ = std::move(name);
                interruptSlot_ = listForInterrupt(folder_, name_.c_str());
            } else if (linkError != EEXIST) {
                throw SystemCallFailed{linkError};
            }
        }
        if (name_.empty()) throw SystemCallFailed{EEXIST};
    }
    if (::renameat(folder_, name_.c_str(), folder_, target.c_str()) != 0) throw SystemCallFailed{errno};
    unlistForInterrupt(interruptSlot_);
    name_.clear();
}

}  // namespace velmora
