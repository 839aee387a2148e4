#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "engine/ByteBuffer.h"
#include "engine/ByteSource.h"
#include "engine/TemporaryFile.h"

namespace velmora {

// Reads a whole regular file of at most maxBytes; anything else (missing, unreadable, a folder,
// a device, a FIFO, a bigger file) raises "Cannot open file <name>" with the reason.
ByteBuffer readWholeFile(const std::string& fileName, std::uint64_t maxBytes = UINT64_MAX);

// What tells one version of a file from another: the file itself (device and inode) and its
// size and times. The change time cannot be set back by any user, so a file rewritten in
// place is told apart even when its size and modification time are restored.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileIdentity of(const struct stat& st);
    friend bool operator==(const FileIdentity& a, const FileIdentity& b);
};

// A regular file held open for reading parts of it later. Only regular files open: a device,
// FIFO or socket is refused at once instead of blocking. Every read checks afterwards that
// the file is still the version that was opened, so what is read is always the picture that
// was loaded; a changed, shortened or unreadable file raises "Stream read error".
class SourceFile : public ByteSource {
public:
    explicit SourceFile(const std::string& fileName);  // "Cannot open file <name>"
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    ~SourceFile() override;

    std::uint64_t size() const override { return static_cast<std::uint64_t>(identity_.size); }
    int descriptor() const { return fd_; }
    void readAt(std::uint64_t offset, std::span<std::uint8_t> into) const override;
    void checkUnchanged() const;

private:
    int fd_ = -1;
    FileIdentity identity_;
};

// The file being written by writeFileAtomically. A failed write raises an error that
// becomes "Cannot create file <name>".
class OutputFile {
public:
    explicit OutputFile(int fd) : fd_(fd) {}
    void write(std::span<const std::uint8_t> bytes);
    // Copies a range of the source file, inside the kernel where the file system allows. A
    // source that changes while it is copied raises "Stream read error".
    void copyFrom(const SourceFile& source, std::uint64_t offset, std::uint64_t length);

private:
    int fd_;
};

// Writes fileName's new contents through writeContents, so that nothing is ever lost:
// - the bytes go to a temporary file in the same folder (unnamed where the file system
//   allows), reach the disk, and only then replace the target in one rename, after which the
//   folder is flushed too: a failed, interrupted or power-cut save leaves the old file or the
//   new one, never a mix, and no temporary file behind;
// - a symbolic link is followed, a dangling one too: its target is written;
// - an existing target keeps its permissions, owner and group; one that this user may not
//   write, whose owner cannot be kept, or that is not a regular file (a folder, device, FIFO,
//   socket) is refused and left as it is.
// A refusal or failed write raises "Cannot create file <name>" with the system's reason; an
// EngineError raised by writeContents itself (a source that cannot be read) passes through.
void writeFileAtomically(const std::string& fileName, const std::function<void(OutputFile&)>& writeContents,
                         TemporaryKind temporaryKind = TemporaryKind::UnnamedWherePossible);

}  // namespace velmora
