#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "engine/ByteBuffer.h"
#include "engine/ByteSource.h"
#include "engine/TemporaryFile.h"

namespace velmora {

// The file itself (device and inode) and what changes with its content: size and
// modification time. The change time is not part of it: a new permission, link or access time
// (chmod, ln, touch -a) moves it without touching a byte.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    static FileIdentity of(const struct stat& st);
    friend bool operator==(const FileIdentity& a, const FileIdentity& b);
};

// A regular file held open for reading parts of it later. Only regular files open: a device,
// FIFO or socket is refused at once instead of blocking. Every read checks afterwards that
// the file is still the version that was opened, and a changed or shortened file raises
// FileChangedError; an unreadable one "Stream read error".
//
// Every range read is fingerprinted. When the change time moves while size and modification
// time stay, the ranges read so far are read again: the same bytes mean a new permission,
// link or access time, and reading goes on; others mean a rewrite whose time was put back.
// Time stamps also miss a write that was under way when the file was opened (its time was set
// when it began), so verifyContent() reads every range again: a save built from the file
// checks that it is one version of it.
class SourceFile : public ByteSource {
public:
    explicit SourceFile(const std::string& fileName);  // "Cannot open file <name>"
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    ~SourceFile() override;

    std::uint64_t size() const override { return static_cast<std::uint64_t>(identity_.size); }
    void readAt(std::uint64_t offset, std::span<std::uint8_t> into) const override;
    // Raises FileChangedError unless every range read so far still holds the same bytes.
    void verifyContent() const;

private:
    struct ReadRange {
        std::uint64_t offset;
        std::size_t length;
        std::uint64_t hash;
    };
    // How many bytes pread gave, up to into.size(); "Stream read error" on a failed read.
    std::size_t readUpTo(std::uint64_t offset, std::span<std::uint8_t> into) const;
    void checkUnchanged() const;
    void verifyRangesRead() const;

    int fd_ = -1;
    FileIdentity identity_;
    mutable timespec changed_{};
    mutable std::vector<ReadRange> readRanges_;
};

// Reads a whole regular file of at most maxBytes bytes; anything else (missing, unreadable,
// larger, a folder, a device, a FIFO) raises "Cannot open file <name>" with the reason.
ByteBuffer readWholeFile(const std::string& fileName, std::uint64_t maxBytes);

// The file being written by writeFileAtomically. A failed write raises an error that
// becomes "Cannot create file <name>".
class OutputFile {
public:
    explicit OutputFile(int fd) : fd_(fd) {}
    void write(std::span<const std::uint8_t> bytes);
    // Copies a range of the source file.
    void copyFrom(const SourceFile& source, std::uint64_t offset, std::uint64_t length);
    // The contents come from source, read now or earlier: the file gets its name only if the
    // source still holds every byte read from it (FileChangedError otherwise).
    void buildsOn(const SourceFile& source);
    // Called by writeFileAtomically before the file gets its name.
    void verifySources() const;

private:
    int fd_;
    std::vector<const SourceFile*> sources_;
};

// Writes fileName's new contents through writeContents, so that nothing is ever lost:
// - the bytes go to a temporary file in the same folder (unnamed where the file system
//   allows), reach the disk, and only then replace the target in one rename, after which the
//   folder is flushed too: a failed, interrupted or power-cut save leaves the old file or the
//   new one, never a mix, and no temporary file behind;
// - contents built on a source file that changed meanwhile are never placed (FileChangedError);
// - a symbolic link is followed, a dangling one too: its target is written;
// - an existing target keeps its permissions, owner and group; one that this user may not
//   write, whose owner cannot be kept, or that is not a regular file (a folder, device, FIFO,
//   socket) is refused and left as it is.
// A refusal or failed write raises "Cannot create file <name>" with the system's reason; an
// EngineError raised by writeContents itself (a source that cannot be read) passes through.
// Writes contents through writeContents straight to an open descriptor, such as standard
// output, which cannot be replaced atomically: a failure part way leaves what was written.
// Contents built on a source file that changed meanwhile raise FileChangedError after they were
// written; a failed write raises failureMessage with the system's reason.
void writeToDescriptor(int fd, const std::string& failureMessage, const std::function<void(OutputFile&)>& writeContents);

void writeFileAtomically(const std::string& fileName, const std::function<void(OutputFile&)>& writeContents,
                         TemporaryKind temporaryKind = TemporaryKind::UnnamedWherePossible);

}  // namespace velmora
