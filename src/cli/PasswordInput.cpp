#include "cli/PasswordInput.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "cli/CliOptions.h"
#include "cli/OperationError.h"
#include "engine/CodePage.h"
#include "engine/HideCore.h"
#include "engine/OperationMessages.h"

namespace velmora::cli {

namespace {

std::string firstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::string readPasswordFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw UsageError("cannot read the password file " + fileName);
    std::ostringstream contents;
    contents << in.rdbuf();
    return firstLine(contents.str());
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
        while (::read(fd_, &c, 1) == 1 && c != '\n') line += c;
        if (isTty) ::tcsetattr(fd_, TCSAFLUSH, &saved);
        w = ::write(fd_, "\n", 1);
        return firstLine(line);
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
    const std::string password = encodeToCodePage(typed, codePage);
    if (password.empty()) throw UsageError("the password is empty");
    if (password.size() > kMaxPasswordBytes) 
        throw UsageError("the password is longer than " + std::to_string(kMaxPasswordBytes) + " bytes");
    return password;
}

}  // namespace velmora::cli
