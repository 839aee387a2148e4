#include "engine/InterruptCleanup.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace velmora {

namespace {

// A slot is free, being filled, or holds a file for the handler to remove.
enum SlotState : int { kFree = 0, kFilling = 1, kListed = 2 };

struct Listed {
    std::atomic<int> state{kFree};
    int folder = -1;
    const char* name = nullptr;
};

// Saves run one at a time in practice; a few slots leave room for the settings file and a
// text file being saved at the same moment.
std::array<Listed, 8> listed;
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the slots without locks");

void removeAndResignal(int signal) {
    const int savedErrno = errno;
    removeListedTemporaryFiles();
    errno = savedErrno;
    // SA_RESETHAND has put back the default action; the signal is blocked while this handler
    // runs, so it is delivered, and ends the program, as soon as the handler returns.
    ::raise(signal);
}

}  // namespace

int listForInterrupt(int folder, const char* name) {
    for (std::size_t i = 0; i < listed.size(); ++i) {
        int expected = kFree;
        if (!listed[i].state.compare_exchange_strong(expected, kFilling)) continue;
        listed[i].folder = folder;
        listed[i].name = name;
        listed[i].state.store(kListed, std::memory_order_release);
        return static_cast<int>(i);
    }
    return -1;
}

void unlistForInterrupt(int slot) {
    if (slot >= 0) listed[static_cast<std::size_t>(slot)].state.store(kFree, std::memory_order_release);
}

void removeListedTemporaryFiles() {
    for (Listed& entry : listed) {
        if (entry.state.load(std::memory_order_acquire) == kListed) ::unlinkat(entry.folder, entry.name, 0);
    }
}

void removeTemporaryFilesOnInterrupt() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = removeAndResignal;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace velmora
