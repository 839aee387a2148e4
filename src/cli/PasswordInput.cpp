#include "cli/PasswordInput.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

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
        termios saved{};
        const bool isTty = ::tcgetattr(fd_, &saved) == 0;
        if (isTty) {
            termios quiet = saved;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            ::tcsetattr(fd_, TCSAFLUSH, &quiet);
        }
        std::string line;
        char c = 0;
        while (line.size() <= kLongestPasswordLine && ::read(fd_, &c, 1) == 1 && c != '\n') line += c;
        if (isTty) ::tcsetattr(fd_, TCSAFLUSH, &saved);
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
