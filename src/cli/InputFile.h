#pragma once

#include <cstddef>
#include <string>

namespace velmora::cli {

// A file named on the command line for reading: a regular file, or a pipe or FIFO, which is
// how scripts hand over secrets (--password-file <(...)). It is read only as far as the
// caller allows, so /dev/zero or an endless pipe cannot flood the program. Failures raise
// EngineError "Cannot open file <name>" with the system's reason.
class InputFile {
public:
    explicit InputFile(std::string fileName);
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    std::string readAtMost(std::size_t limit);
    // Up to and without the first LF (and a CR before it), reading no byte past it, so that
    // the rest of a shared pipe stays for the next reader. limit bounds the line; a longer
    // one comes back as its first limit + 1 bytes.
    std::string readFirstLine(std::size_t limit);

private:
    std::string fileName_;
    int fd_;
};

// Standard input, read the same bounded way; a failed read raises EngineError.
std::string readStandardInputAtMost(std::size_t limit);

}  // namespace velmora::cli
