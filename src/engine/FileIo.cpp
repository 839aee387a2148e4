#include "engine/FileIo.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <vector>

#include "engine/ContentHash.h"
#include "engine/EngineError.h"

namespace velmora {

namespace {

// Raised inside a save and turned into "Cannot create file" by writeFileAtomically.
struct WriteFailed {
    std::string reason;
};

[[noreturn]] void failWrite(int error) { throw WriteFailed{systemReason(error)}; }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// Why a file that exists cannot be opened as a regular file.
std::string notRegularReason(const struct stat& st) {
    return S_ISDIR(st.st_mode) ? systemReason(EISDIR) : messages::kNotARegularFile;
}

// The name is looked at first, so that a device or FIFO is never opened at all (opening one
// can block or act); the descriptor is looked at again in case the name changed in between.
// O_NONBLOCK keeps even that open from waiting for a writer.
int openRegularFile(const std::string& fileName, struct stat& st) {
    const auto refuse = [&](std::string reason) { return EngineError(messages::cannotOpenFile(fileName), std::move(reason)); };
    if (::stat(fileName.c_str(), &st) != 0) throw refuse(systemReason(errno));
    if (!S_ISREG(st.st_mode)) throw refuse(notRegularReason(st));
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw refuse(systemReason(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw refuse(messages::kNotARegularFile);
    }
    return fd;
}

// A source file is fingerprinted in pieces of this size, which a save copies through a buffer
// of the same size.
constexpr std::size_t kFingerprintBytes = std::size_t{1} << 20;

bool sameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// The file a save writes: fileName itself or, through any chain of symbolic links, the name
// the last link points to, which need not exist yet.
std::filesystem::path throughLinks(const std::string& fileName) {
    namespace fs = std::filesystem;
    constexpr int kMaxLinks = 40;  // the system's own limit on a chain of links
    fs::path path(fileName);
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) failWrite(ec.value());
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    failWrite(ELOOP);
}

// What the save must keep of the file it replaces. Refuses a target that is not a regular
// file or that this user may not write: the rename would replace it regardless.
std::optional<struct stat> checkExistingTarget(int folder, const std::string& name) {
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return std::nullopt;
        failWrite(errno);
    }
    if (!S_ISREG(st.st_mode)) throw WriteFailed{notRegularReason(st)};
    if (::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0) failWrite(errno);
    return st;
}

// The new file takes the old one's owner, group and permissions before it gets its name.
// Only root may give a file to another user; anyone else would take the file over, so the
// save is refused instead.
void keepOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) failWrite(errno);
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        if (errno == EPERM) throw WriteFailed{messages::kOwnerNotKept};
        failWrite(errno);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) failWrite(errno);  // after fchown, which clears set-id bits
}

// A folder may let this user add files without letting them list it (mode -wx); it is then
// held only as a place to work in, which cannot be flushed.
int openFolder(const std::string& name) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 || errno != EACCES) return fd;
    return ::open(name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// Some file systems cannot flush a folder, nor can a folder held as a place; the rename is then
// as durable as the system makes it.
bool folderFlushUnsupported(int error) { return error == EINVAL || error == EOPNOTSUPP || error == EROFS || error == EBADF; }

}  // namespace

FileIdentity FileIdentity::of(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim}; }

bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size && sameTime(a.modified, b.modified);
}

ByteBuffer readWholeFile(const std::string& fileName, std::uint64_t maxBytes) {
    const SourceFile file(fileName);
    if (file.size() > maxBytes) throw EngineError(messages::cannotOpenFile(fileName), messages::kFileTooLarge);
    ByteBuffer buffer(static_cast<std::size_t>(file.size()));
    file.readAt(0, buffer.span());
    return buffer;
}

SourceFile::SourceFile(const std::string& fileName) {
    struct stat st {};
    fd_ = openRegularFile(fileName, st);
    identity_ = FileIdentity::of(st);
    changed_ = st.st_ctim;
}

SourceFile::~SourceFile() { ::close(fd_); }

void SourceFile::checkUnchanged() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !(FileIdentity::of(st) == identity_)) throw FileChangedError();
    if (!sameTime(st.st_ctim, changed_)) {
        verifyRangesRead();
        changed_ = st.st_ctim;
    }
}

std::size_t SourceFile::readUpTo(std::uint64_t offset, std::span<std::uint8_t> into) const {
    std::size_t done = 0;
    while (done < into.size()) {
        const ssize_t got = ::pread(fd_, into.data() + done, into.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw EngineError(messages::kStreamReadError, systemReason(errno));
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

// Checked after reading, so that a change made while the bytes were read is caught too.
void SourceFile::readAt(std::uint64_t offset, std::span<std::uint8_t> into) const {
    const std::size_t done = readUpTo(offset, into);
    checkUnchanged();
    if (done < into.size()) throw EngineError(messages::kStreamReadError);
    for (std::size_t at = 0; at < into.size(); at += kFingerprintBytes) {
        const auto piece = into.subspan(at, std::min(kFingerprintBytes, into.size() - at));
        readRanges_.push_back({offset + at, piece.size(), contentHash(piece)});
    }
}

void SourceFile::verifyRangesRead() const {
    std::vector<std::uint8_t> buffer;
    for (const ReadRange& range : readRanges_) {
        buffer.resize(range.length);
        if (readUpTo(range.offset, buffer) != range.length || contentHash(buffer) != range.hash) throw FileChangedError();
    }
}

void SourceFile::verifyContent() const {
    verifyRangesRead();
    checkUnchanged();
}

void OutputFile::write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) failWrite(errno);
        if (written == 0) failWrite(EIO);
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
}

// Through a buffer, not inside the kernel: every byte copied is fingerprinted on the way.
void OutputFile::copyFrom(const SourceFile& source, std::uint64_t offset, std::uint64_t length) {
    if (offset > source.size() || length > source.size() - offset) throw EngineError(messages::kStreamReadError);
    buildsOn(source);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(length, kFingerprintBytes)));
    while (length > 0) {
        const auto part = std::span(buffer).first(static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size())));
        source.readAt(offset, part);
        write(part);
        offset += part.size();
        length -= part.size();
    }
}

void OutputFile::buildsOn(const SourceFile& source) {
    if (std::find(sources_.begin(), sources_.end(), &source) == sources_.end()) sources_.push_back(&source);
}

void OutputFile::verifySources() const {
    for (const SourceFile* source : sources_) source->verifyContent();
}

void writeFileAtomically(const std::string& fileName, const std::function<void(OutputFile&)>& writeContents,
                         TemporaryKind temporaryKind) {
    try {
        if (fileName.empty()) failWrite(ENOENT);
        const std::filesystem::path target = throughLinks(fileName);
        const std::string name = target.filename().string();
        if (name.empty() || name == "." || name == "..") failWrite(EISDIR);
        const std::string folderName = target.has_parent_path() ? target.parent_path().string() : ".";
        const Descriptor folder(openFolder(folderName));
        if (folder.get() < 0) failWrite(errno);
        const std::optional<struct stat> existing = checkExistingTarget(folder.get(), name);

        TemporaryFile temporary(folder.get(), 0666, temporaryKind);
        if (existing) keepOwnerAndMode(temporary.descriptor(), *existing);
        OutputFile file(temporary.descriptor());
        writeContents(file);
        // The data is on the disk before the name points to it, and the name after that.
        if (::fdatasync(temporary.descriptor()) != 0) failWrite(errno);
        // Last, so that a source rewritten at any moment of the save is caught.
        file.verifySources();
        temporary.placeAs(name);
        if (::fsync(folder.get()) != 0 && !folderFlushUnsupported(errno)) failWrite(errno);
    } catch (const WriteFailed& failure) {
        throw EngineError(messages::cannotCreateFile(fileName), failure.reason);
    } catch (const SystemCallFailed& failure) {
        throw EngineError(messages::cannotCreateFile(fileName), systemReason(failure.error));
    }
}

void writeToDescriptor(int fd, const std::string& failureMessage, const std::function<void(OutputFile&)>& writeContents) {
    try {
        OutputFile file(fd);
        writeContents(file);
        file.verifySources();
    } catch (const WriteFailed& failure) {
        throw EngineError(failureMessage, failure.reason);
    }
}

}  // namespace velmora
