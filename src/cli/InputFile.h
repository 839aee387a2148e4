#pragma once

#include <cstddef>
#include <string>

#include "engine/ByteBuffer.h"

namespace velmora::cli {

// A file named on the command line for reading, or standard input for the name "-": a regular
// file, or a pipe or FIFO, which is how scripts hand over secrets (--password-file <(...)). It
// is read only as far as the caller allows, so /dev/zero or an endless pipe cannot flood the
// program. Failures raise EngineError "Cannot open file <name>" ("Cannot read standard input")
// with the system's reason.
class InputFile {
public:
    explicit InputFile(std::string fileName);
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // Reads on until the input ends or limit bytes are held. before holds bytes read earlier
    // from this input: they come first and count toward the limit.
    ByteBuffer readAtMost(std::size_t limit, ByteBuffer before = {});
    std::string readTextAtMost(std::size_t limit);
    // Up to and without the first LF (and a CR before it), reading no byte past it, so that
    // the rest of a shared pipe stays for the next reader. limit bounds the line; a longer
    // one comes back as its first limit + 1 bytes.
    std::string readFirstLine(std::size_t limit);

private:
    // Raises the failure of a read that gave the errno value error.
    [[noreturn]] void failRead(int error) const;
    // Reads into piece until it is full or the input ends; returns how many bytes it holds.
    std::size_t fill(ByteBuffer& piece);

    std::string fileName_;
    int fd_;
};

// True for the name that stands for standard input or output.
inline bool isStandardStream(const std::string& fileName) { return fileName == "-"; }

}  // namespace velmora::cli
