#include "cli/InputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/EngineError.h"

namespace velmora::cli {

namespace {

// Input is gathered in pieces that grow as it keeps coming, so a short input costs little and
// a long one takes few reads; the pieces are joined once at the end.
constexpr std::size_t kFirstPiece = 64 * 1024;
constexpr std::size_t kLargestPiece = 64 * 1024 * 1024;

// Fills into from fd until it is full or the input ends; returns how many bytes it holds, or
// -errno.
long long fill(int fd, ByteBuffer& into) {
    std::size_t held = 0;
    while (held < into.size()) {
        const ssize_t got = ::read(fd, into.data() + held, into.size() - held);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return -errno;
        if (got == 0) break;
        held += static_cast<std::size_t>(got);
    }
    return static_cast<long long>(held);
}

ByteBuffer join(std::vector<std::pair<ByteBuffer, std::size_t>>& pieces, std::size_t total) {
    if (pieces.size() == 1 && pieces[0].second == pieces[0].first.size()) return std::move(pieces[0].first);
    ByteBuffer joined(total);
    std::size_t at = 0;
    for (auto& [piece, length] : pieces) {
        if (length > 0) std::memcpy(joined.data() + at, piece.data(), length);
        at += length;
        piece = ByteBuffer();
    }
    return joined;
}

}  // namespace

InputFile::InputFile(std::string fileName)
    : fileName_(std::move(fileName)),
      fd_(isStandardStream(fileName_) ? STDIN_FILENO : ::open(fileName_.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC)) {
    if (fd_ < 0) throw EngineError(messages::cannotOpenFile(fileName_), systemReason(errno));
}

InputFile::~InputFile() {
    if (fd_ != STDIN_FILENO) ::close(fd_);
}

void InputFile::failRead(int error) const {
    if (isStandardStream(fileName_)) throw EngineError("Cannot read standard input", systemReason(error));
    throw EngineError(messages::cannotOpenFile(fileName_), systemReason(error));
}

ByteBuffer InputFile::readAtMost(std::size_t limit, ByteBuffer before) {
    std::size_t total = std::min(before.size(), limit);
    std::vector<std::pair<ByteBuffer, std::size_t>> pieces;
    if (total > 0) pieces.emplace_back(std::move(before), total);
    for (std::size_t pieceSize = kFirstPiece; total < limit; pieceSize = std::min(2 * pieceSize, kLargestPiece)) {
        ByteBuffer piece(std::min(pieceSize, limit - total));
        const long long got = fill(fd_, piece);
        if (got < 0) failRead(static_cast<int>(-got));
        total += static_cast<std::size_t>(got);
        pieces.emplace_back(std::move(piece), static_cast<std::size_t>(got));
        if (static_cast<std::size_t>(got) < pieces.back().first.size()) break;  // the input ended
    }
    return join(pieces, total);
}

std::string InputFile::readTextAtMost(std::size_t limit) {
    const ByteBuffer bytes = readAtMost(limit);
    const auto* text = reinterpret_cast<const char*>(bytes.data());
    return std::string(text, text + bytes.size());
}

// A byte at a time, so that nothing after the line is taken from a pipe.
std::string InputFile::readFirstLine(std::size_t limit) {
    std::string line;
    char c = 0;
    while (line.size() <= limit) {
        const ssize_t got = ::read(fd_, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failRead(errno);
        if (got == 0 || c == '\n') break;
        line += c;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace velmora::cli
