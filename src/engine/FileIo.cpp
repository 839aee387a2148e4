#include "engine/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <vector>

#include "engine/EngineError.h"

namespace velmora {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }
    int get() const { return fd_; }
    bool close() {
        if (fd_ < 0) return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const std::span<const std::uint8_t>> pieces) {
    std::vector<iovec> pending;
    for (auto piece : pieces)
        if (!piece.empty()) pending.push_back({const_cast<std::uint8_t*>(piece.data()), piece.size()});
    std::size_t first = 0;
    while (first < pending.size()) {
        const int count = static_cast<int>(std::min<std::size_t>(pending.size() - first, IOV_MAX));
        const ssize_t written = ::writev(fd, &pending[first], count);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        auto left = static_cast<std::size_t>(written);
        while (first < pending.size() && left >= pending[first].iov_len) left -= pending[first++].iov_len;
        if (first < pending.size()) {
            pending[first].iov_base = static_cast<std::uint8_t*>(pending[first].iov_base) + left;
            pending[first].iov_len -= left;
        }
    }
    return true;
}

// The mode a new file would get, or the existing target's own, so a save keeps permissions.
mode_t modeForTarget(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ByteBuffer readWholeFile(const std::string& fileName) {
    FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw EngineError(messages::cannotOpenFile(fileName));
    ByteBuffer buffer(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::read(file.get(), buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw EngineError(messages::cannotOpenFile(fileName));
        if (got == 0) throw EngineError(messages::kStreamReadError);  // shrank while we read it
        done += static_cast<std::size_t>(got);
    }
    return buffer;
}

void writeFileAtomically(const std::string& fileName, std::span<const std::span<const std::uint8_t>> pieces) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(fileName);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    FileDescriptor out(::mkstemp(temp.data()));
    if (out.get() < 0) throw EngineError(messages::cannotCreateFile(fileName));
    const bool ok = ::fchmod(out.get(), modeForTarget(target.string())) == 0 && writeAll(out.get(), pieces) &&
                    out.close() && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw EngineError(messages::cannotCreateFile(fileName));
    }
}

}  // namespace velmora
