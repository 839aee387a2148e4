#include "cli/StandardOutput.h"

#include <unistd.h>

#include <cerrno>

namespace velmora::cli {

StandardOutput::Buffer::Buffer() { setp(bytes_.data(), bytes_.data() + bytes_.size()); }

bool StandardOutput::Buffer::drain() {
    const char* next = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, next, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (error_ == 0) error_ = written < 0 ? errno : EIO;
            return false;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return error_ == 0;
}

StandardOutput::Buffer::int_type StandardOutput::Buffer::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int StandardOutput::Buffer::sync() { return drain() ? 0 : -1; }

StandardOutput::StandardOutput() : std::ostream(&buffer_) {}

int StandardOutput::finish() {
    flush();
    if (buffer_.error() != 0) return buffer_.error();
    return fail() ? EIO : 0;
}

}  // namespace velmora::cli
