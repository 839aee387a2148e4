#pragma once

#include <array>
#include <ostream>
#include <streambuf>

namespace velmora::cli {

inline constexpr const char* kCannotWriteStandardOutput = "Cannot write to standard output";

// Standard output written straight to its descriptor, remembering why a write failed (a full
// disk, a closed descriptor), so that every command can report it and exit with 1 instead of
// losing its output in silence.
class StandardOutput : public std::ostream {
public:
    StandardOutput();
    // Writes what is still buffered; returns the errno value of the first failed write, or 0.
    int finish();

private:
    class Buffer : public std::streambuf {
    public:
        Buffer();
        int error() const { return error_; }

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        bool drain();
        std::array<char, 64 * 1024> bytes_{};
        int error_ = 0;
    };
    Buffer buffer_;
};

}  // namespace velmora::cli
