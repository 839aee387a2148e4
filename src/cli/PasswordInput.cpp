#include "cli/PasswordInput.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <csignal>

#include "cli/CliOptions.h"
#include "cli/InputFile.h"
#include "cli/OperationError.h"
#include "engine/CodePage.h"
#include "engine/HideCore.h"
#include "engine/EngineError.h"
#include "engine/OperationMessages.h"

namespace velmora::cli {

namespace {

// A password line is read no further than this: room for kMaxPasswordBytes characters of up to four UTF-8
// bytes each, so a longer line is too long whatever it holds.
constexpr std::size_t kLongestPasswordLine = 4 * kMaxPasswordBytes + 1;
const std::string kTooLong = "the password is longer than " + std::to_string(kMaxPasswordBytes) + " bytes";

std::string readPasswordFile(const std::string& fileName) {
    try {
        return InputFile(fileName).readFirstLine(kLongestPasswordLine);
    } catch (const EngineError& e) {
        throw UsageError("cannot read the password file " + fileName + ": " + e.reason());
    }
}

// What a signal handler needs to give the terminal its echo back: plain globals, set while
// echo is off.
constexpr std::array kEndingSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
int quietTerminal = -1;
termios echoingSettings{};
std::array<struct sigaction, kEndingSignals.size()> earlierActions{};

extern "C" void restoreEchoAndResignal(int signal) {
    ::tcsetattr(quietTerminal, TCSANOW, &echoingSettings);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
        if (kEndingSignals[i] == signal) ::sigaction(signal, &earlierActions[i], nullptr);
    ::raise(signal);  // delivered on return, to whatever handled it before
}

// Turns the terminal's echo off for as long as it lives. A signal that ends the program
// meanwhile (Ctrl+C, Ctrl+\, a hang-up, a kill) turns it back on first, or the user's shell
// would be left typing blind.
class EchoOff {
public:
    explicit EchoOff(int fd) {
        if (::tcgetattr(fd, &echoingSettings) != 0) return;  // not a terminal: nothing echoes
        quietTerminal = fd;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            ::sigaction(kEndingSignals[i], nullptr, &earlierActions[i]);
            if (earlierActions[i].sa_handler == SIG_IGN) continue;
            struct sigaction action {};
            action.sa_handler = restoreEchoAndResignal;
            sigemptyset(&action.sa_mask);
            ::sigaction(kEndingSignals[i], &action, nullptr);
        }
        termios quiet = echoingSettings;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
    ~EchoOff() {
        if (quietTerminal < 0) return;
        ::tcsetattr(quietTerminal, TCSAFLUSH, &echoingSettings);
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) ::sigaction(kEndingSignals[i], &earlierActions[i], nullptr);
        quietTerminal = -1;
    }
};

// Asks on the controlling terminal, so that standard input stays free for the message.
class Terminal {
public:
    Terminal() : fd_(::open("/dev/tty", O_RDWR | O_CLOEXEC)) {
        if (fd_ < 0) throw UsageError("no terminal to ask for the password on: use --password-file");
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;
    ~Terminal() { ::close(fd_); }

    std::string ask(const std::string& prompt) {
        [[maybe_unused]] auto w = ::write(fd_, prompt.data(), prompt.size());
        std::string line;
        {
            const EchoOff quiet(fd_);
            char c = 0;
            while (line.size() <= kLongestPasswordLine && ::read(fd_, &c, 1) == 1 && c != '\n') line += c;
        }
        w = ::write(fd_, "\n", 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }

private:
    int fd_;
};

}  // namespace

std::string readPassword(const std::optional<std::string>& passwordFile, bool confirm, const std::string& codePage) {
    std::string typed;
    if (passwordFile) {
        typed = readPasswordFile(*passwordFile);
    } else {
        Terminal terminal;
        typed = terminal.ask("Password: ");
        if (confirm && terminal.ask("Confirm the password: ") != typed)
            throw OperationError(messages::kPasswordIncorrect);
    }
    if (typed.size() > kLongestPasswordLine) throw UsageError(kTooLong);
    if (firstUnstorable(typed, codePage) != std::string::npos)
        throw UsageError("the password has a character that " + codePage +
                         " cannot store, which would be weakened to '?'; choose another password, or the "
                         "code page with --code-page");
    const std::string password = encodeToCodePage(typed, codePage);
    if (password.empty()) throw UsageError("the password is empty");
    if (password.size() > kMaxPasswordBytes) throw UsageError(kTooLong);
    return password;
}

}  // namespace velmora::cli
