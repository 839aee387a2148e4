#pragma once

#include <string>

namespace velmora {

// How a save's temporary file is made. Unnamed files (O_TMPFILE) cannot be left behind by
// anything, not even SIGKILL, and get a name only for the instant before the rename; file
// systems without them (FAT, some network file systems), and a system without /proc whose
// kernel does not let the program name a file from its descriptor, get a short recognisable
// name for the whole save instead, which tests can also ask for.
enum class TemporaryKind { UnnamedWherePossible, Named };

// Raised by TemporaryFile with the errno value of the call that failed.
struct SystemCallFailed {
    int error;
};

// A new file in a folder that becomes a given name only at the end. A named temporary file is
// called ".velmora-XXXXXX.tmp" whatever the target's name, so a target with the longest name
// the system allows still saves. While it has a name it is locked and listed for removal on
// SIGINT, SIGTERM and SIGHUP (see InterruptCleanup.h); a named file that nobody holds locked
// was left by a killed program, and the next save into the same folder removes it. Destroying
// a file that was never placed removes it.
class TemporaryFile {
public:
    // mode: the permissions a new file gets before the umask. Raises SystemCallFailed.
    TemporaryFile(int folder, unsigned mode, TemporaryKind kind);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    int descriptor() const { return fd_; }
    // Gives the file the name target in the folder, replacing a file of that name in one
    // step. Raises SystemCallFailed.
    void placeAs(const std::string& target);

private:
    // Links the unnamed file under name; 0 or the errno value.
    int linkUnnamed(const std::string& name) const;

    int folder_;
    int fd_ = -1;
    std::string name_;  // empty while the file has no name
    int interruptSlot_ = -1;
};

// True for the names TemporaryFile gives.
bool isTemporaryFileName(const std::string& name);

}  // namespace velmora
