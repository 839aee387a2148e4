#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace velmora::test {

// Permission cases run as a user the permission bits hold back. Root may write whatever the
// bits say, so under root (as in CI) they run as nobody (65534:65534) in a child process;
// anyone else runs them as themselves, in a child process too.
struct UserIds {
    uid_t uid;
    gid_t gid;
};
UserIds unprivilegedUser();
bool runningAsRoot();

// Runs body in a child process as the unprivileged user and hands back the text it returned.
// An exception from body comes back as "exception: <what>"; a child that dies or cannot drop
// its privileges comes back as a text starting with "child:".
std::string runUnprivileged(const std::function<std::string()>& body);

// Hands a folder (made by TempDir, so 0700) to the unprivileged user, as its home would be.
void giveToUnprivilegedUser(const std::string& folder);

// A shell command prefix that runs a program as the unprivileged user: setpriv under root,
// nothing otherwise.
std::string unprivilegedCommandPrefix();

}  // namespace velmora::test
