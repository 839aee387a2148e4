#include "engine/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "engine/EngineError.h"

namespace velmora {

namespace {

// Raised by OutputFile and turned into "Cannot create file" by writeFileAtomically.
struct WriteFailed {};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
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

int openRegularFile(const std::string& fileName, struct stat& st) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
    if (fd >= 0) ::close(fd);
    throw EngineError(messages::cannotOpenFile(fileName));
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
    const SourceFile file(fileName);
    ByteBuffer buffer(static_cast<std::size_t>(file.size()));
    file.readAt(0, buffer.span());
    return buffer;
}

SourceFile::SourceFile(const std::string& fileName) {
    struct stat st {};
    fd_ = openRegularFile(fileName, st);
    size_ = static_cast<std::uint64_t>(st.st_size);
    modifiedSeconds_ = st.st_mtim.tv_sec;
    modifiedNanoseconds_ = st.st_mtim.tv_nsec;
}

SourceFile::~SourceFile() { ::close(fd_); }

void SourceFile::checkUnchanged() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != size_ ||
        st.st_mtim.tv_sec != modifiedSeconds_ || st.st_mtim.tv_nsec != modifiedNanoseconds_)
        throw EngineError(messages::kStreamReadError);
}

void SourceFile::readAt(std::uint64_t offset, std::span<std::uint8_t> into) const {
    checkUnchanged();
    std::size_t done = 0;
    while (done < into.size()) {
        const ssize_t got = ::pread(fd_, into.data() + done, into.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) throw EngineError(messages::kStreamReadError);
        done += static_cast<std::size_t>(got);
    }
}

void OutputFile::write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) throw WriteFailed{};
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
}

void OutputFile::copyFrom(const SourceFile& source, std::uint64_t offset, std::uint64_t length) {
    source.checkUnchanged();
    if (offset > source.size() || length > source.size() - offset) throw EngineError(messages::kStreamReadError);
    auto in = static_cast<off_t>(offset);
    while (length > 0) {
        const ssize_t copied = ::copy_file_range(source.descriptor(), &in, fd_, nullptr, length, 0);
        if (copied < 0 && errno == EINTR) continue;
        if (copied < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) break;
        if (copied < 0) throw WriteFailed{};
        if (copied == 0) throw EngineError(messages::kStreamReadError);
        length -= static_cast<std::uint64_t>(copied);
    }
    // The file systems cannot copy between themselves: through a buffer instead.
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(length, 1u << 20)));
    while (length > 0) {
        const auto part = std::span(buffer).first(static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size())));
        source.readAt(static_cast<std::uint64_t>(in), part);
        write(part);
        in += static_cast<off_t>(part.size());
        length -= part.size();
    }
}

void writeFileAtomically(const std::string& fileName, const std::function<void(OutputFile&)>& writeContents) {
    namespace fs = std::filesystem;
    if (fileName.empty()) throw EngineError(messages::cannotCreateFile(fileName));
    std::error_code ec;
    fs::path target(fileName);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    Descriptor out(::mkstemp(temp.data()));
    if (out.get() < 0) throw EngineError(messages::cannotCreateFile(fileName));
    try {
        if (::fchmod(out.get(), modeForTarget(target.string())) != 0) throw WriteFailed{};
        OutputFile file(out.get());
        writeContents(file);
        if (!out.close() || ::rename(temp.c_str(), target.c_str()) != 0) throw WriteFailed{};
    } catch (const WriteFailed&) {
        ::unlink(temp.c_str());
        throw EngineError(messages::cannotCreateFile(fileName));
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

}  // namespace velmora
