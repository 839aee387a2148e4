// The password typed on a terminal: echo is off while it is asked for, and back on whatever
// ends the program at the prompt.
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <functional>

#include "cli/CliFixture.h"

namespace velmora {
namespace {

// velmora-cli running on a terminal of its own (a pseudo-terminal whose far end is held here).
class OnTerminal {
public:
    explicit OnTerminal(const std::vector<std::string>& args) {
        pid_ = ::forkpty(&terminal_, nullptr, nullptr, nullptr);
        if (pid_ != 0) return;
        const rlimit noCore{0, 0};  // Ctrl+\ would leave a core file behind
        ::setrlimit(RLIMIT_CORE, &noCore);
        execCli(args);
    }
    OnTerminal(const OnTerminal&) = delete;
    OnTerminal& operator=(const OnTerminal&) = delete;
    ~OnTerminal() {
        if (pid_ > 0 && !ended_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (terminal_ >= 0) ::close(terminal_);
    }

    bool started() const { return pid_ > 0 && terminal_ >= 0; }
    pid_t pid() const { return pid_; }
    // Reads what the program writes until `text` has come, for at most ten seconds.
    bool awaitOutput(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (output_.find(text) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            pollfd ready{terminal_, POLLIN, 0};
            if (::poll(&ready, 1, 100) <= 0) continue;
            char buffer[256];
            const ssize_t got = ::read(terminal_, buffer, sizeof buffer);
            if (got <= 0) return false;
            output_.append(buffer, static_cast<std::size_t>(got));
        }
        return true;
    }
    void type(const std::string& keys) { ASSERT_EQ(::write(terminal_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size())); }
    // Waits up to ten seconds for the terminal to echo or not.
    bool awaitEcho(bool on) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (echoes() != on) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            ::usleep(10000);
        }
        return true;
    }
    bool echoes() const {
        termios settings{};
        return ::tcgetattr(terminal_, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
    }
    // How the program ended: the raw wait status.
    int awaitEnd() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        ended_ = true;
        return status;
    }

private:
    int terminal_ = -1;
    pid_t pid_ = -1;
    bool ended_ = false;
    std::string output_;
};

TEST_F(Cli, EchoComesBackWhateverEndsTheProgramAtThePasswordPrompt) {
    struct Case {
        const char* what;
        std::function<void(OnTerminal&)> interrupt;
        int signal;
    };
    const std::vector<Case> cases = {
        {"Ctrl+C", [](OnTerminal& t) { t.type("\x03"); }, SIGINT},
        {"Ctrl+\\", [](OnTerminal& t) { t.type("\x1c"); }, SIGQUIT},
        {"kill", [](OnTerminal& t) { ::kill(t.pid(), SIGTERM); }, SIGTERM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OnTerminal cli({"extract", dir.path("pic.bmp")});
        ASSERT_TRUE(cli.started());
        ASSERT_TRUE(cli.awaitOutput("Password: "));
        ASSERT_TRUE(cli.awaitEcho(false)) << "the password is typed unseen";
        c.interrupt(cli);
        const int status = cli.awaitEnd();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << "ends as the signal would";
        EXPECT_TRUE(cli.echoes());
    }
}

TEST_F(Cli, EchoComesBackAfterThePasswordIsTyped) {
    OnTerminal cli({"extract", dir.path("pic.bmp")});
    ASSERT_TRUE(cli.started());
    ASSERT_TRUE(cli.awaitOutput("Password: "));
    ASSERT_TRUE(cli.awaitEcho(false));
    cli.type("secret\n");
    const int status = cli.awaitEnd();
    EXPECT_TRUE(WIFEXITED(status)) << "the picture holds no message, which is a plain failure";
    EXPECT_TRUE(cli.echoes());
}

}  // namespace
}  // namespace velmora
