#include "cli/InputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "engine/EngineError.h"

namespace velmora::cli {

namespace {

// Reads until limit bytes, the end of the input, or (with stopAtLineEnd) an LF, which is not
// kept. Returns 0 or the errno value of a failed read.
int readInto(int fd, std::string& into, std::size_t limit, bool stopAtLineEnd) {
    char buffer[64 * 1024];
    while (into.size() < limit) {
        // A line is read a byte at a time so that nothing after it is taken from a pipe.
        const std::size_t want = stopAtLineEnd ? 1 : std::min(sizeof buffer, limit - into.size());
        const ssize_t got = ::read(fd, buffer, want);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) break;
        if (stopAtLineEnd && buffer[0] == '\n') break;
        into.append(buffer, static_cast<std::size_t>(got));
    }
    return 0;
}

}  // namespace

InputFile::InputFile(std::string fileName)
    : fileName_(std::move(fileName)), fd_(::open(fileName_.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC)) {
    if (fd_ < 0) throw EngineError(messages::cannotOpenFile(fileName_), systemReason(errno));
}

InputFile::~InputFile() { ::close(fd_); }

std::string InputFile::readAtMost(std::size_t limit) {
    std::string text;
    if (const int error = readInto(fd_, text, limit, false))
        throw EngineError(messages::cannotOpenFile(fileName_), systemReason(error));
    return text;
}

std::string InputFile::readFirstLine(std::size_t limit) {
    std::string line;
    if (const int error = readInto(fd_, line, limit + 1, true))
        throw EngineError(messages::cannotOpenFile(fileName_), systemReason(error));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::string readStandardInputAtMost(std::size_t limit) {
    std::string text;
    if (const int error = readInto(STDIN_FILENO, text, limit, false))
        throw EngineError("Cannot read standard input", systemReason(error));
    return text;
}

}  // namespace velmora::cli
