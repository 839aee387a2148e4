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

// Standard input stays open for whoever reads it next; a file opened while standard input was
// closed may have its number, so the name decides.
InputFile::~InputFile() {
    if (!isStandardStream(fileName_)) ::close(fd_);
}

void InputFile::failRead(int error) const {
    if (isStandardStream(fileName_)) throw EngineError("Cannot read standard input", systemReason(error));
    throw EngineError(messages::cannotOpenFile(fileName_), systemReason(error));
}

std::size_t InputFile::fill(ByteBuffer& piece) {
    std::size_t held = 0;
    while (held < piece.size()) {
        const ssize_t got = ::read(fd_, piece.data() + held, piece.size() - held);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failRead(errno);
        if (got == 0) break;
        held += static_cast<std::size_t>(got);
    }
    return held;
}

ByteBuffer InputFile::readAtMost(std::size_t limit, ByteBuffer before) {
    std::size_t total = std::min(before.size(), limit);
    std::vector<std::pair<ByteBuffer, std::size_t>> pieces;
    if (total > 0) pieces.emplace_back(std::move(before), total);
    for (std::size_t pieceSize = kFirstPiece; total < limit; pieceSize = std::min(2 * pieceSize, kLargestPiece)) {
        ByteBuffer piece(std::min(pieceSize, limit - total));
        const std::size_t got = fill(piece);
        total += got;
        pieces.emplace_back(std::move(piece), got);
        if (got < pieces.back().first.size()) break;  // the input ended
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
