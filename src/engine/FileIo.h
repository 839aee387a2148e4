#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "engine/ByteBuffer.h"

namespace velmora {

// Reads a whole regular file; anything else (missing, unreadable, a folder, a device)
// raises "Cannot open file <name>".
ByteBuffer readWholeFile(const std::string& fileName);

// A regular file held open for reading parts of it later. Every read first checks that the
// file has not been changed since it was opened, so what is read is always the picture that
// was loaded; a changed, shortened or unreadable file raises "Stream read error".
class SourceFile {
public:
    explicit SourceFile(const std::string& fileName);  // "Cannot open file <name>"
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    ~SourceFile();

    std::uint64_t size() const { return size_; }
    int descriptor() const { return fd_; }
    // Exactly length bytes from offset, or "Stream read error".
    void readAt(std::uint64_t offset, std::span<std::uint8_t> into) const;
    void checkUnchanged() const;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::int64_t modifiedSeconds_ = 0;
    long modifiedNanoseconds_ = 0;
};

// The file being written by writeFileAtomically. A failed write raises an error that
// becomes "Cannot create file <name>".
class OutputFile {
public:
    explicit OutputFile(int fd) : fd_(fd) {}
    void write(std::span<const std::uint8_t> bytes);
    // Copies a range of the source file, inside the kernel where the file system allows.
    void copyFrom(const SourceFile& source, std::uint64_t offset, std::uint64_t length);

private:
    int fd_;
};

// Writes fileName's new contents through writeContents. The bytes go to a temporary file in
// the same folder, which then replaces the target in one rename, so a failed save leaves the
// old file exactly as it was. A symbolic link is followed: its target is replaced, keeping
// its permissions. A failed write raises "Cannot create file <name>"; an EngineError raised
// by writeContents itself (a source that cannot be read) passes through unchanged.
void writeFileAtomically(const std::string& fileName, const std::function<void(OutputFile&)>& writeContents);

}  // namespace velmora
