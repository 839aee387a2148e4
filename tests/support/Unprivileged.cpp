#include "support/Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <stdexcept>

namespace velmora::test {

namespace {
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

void writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

std::string dropPrivileges() {
    if (!runningAsRoot()) return {};
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0) return "child: cannot become nobody";
    return {};
}
}  // namespace

bool runningAsRoot() { return ::geteuid() == 0; }

UserIds unprivilegedUser() { return runningAsRoot() ? UserIds{kNobody, kNoGroup} : UserIds{::geteuid(), ::getegid()}; }

std::string runUnprivileged(const std::function<std::string()>& body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "child: no pipe";
    const pid_t pid = ::fork();
    if (pid < 0) return "child: cannot fork";
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string result = dropPrivileges();
        if (result.empty()) {
            try {
                result = body();
            } catch (const std::exception& e) {
                result = std::string("exception: ") + e.what();
            }
        }
        writeAll(pipeFds[1], result);
        ::_exit(0);  // no destructors or exit handlers of the test runner in the child
    }
    ::close(pipeFds[1]);
    const std::string result = readAll(pipeFds[0]);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child: ended with status " + std::to_string(status);
    return result;
}

void giveToUnprivilegedUser(const std::string& folder) {
    const UserIds user = unprivilegedUser();
    if (::chown(folder.c_str(), user.uid, user.gid) != 0) throw std::runtime_error("cannot hand over " + folder);
}

std::string unprivilegedCommandPrefix() {
    return runningAsRoot() ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
}

}  // namespace velmora::test
