#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmora::test {

// Ways a file can change while a program has it open: some touch only what the system keeps
// about it (its permissions, links, access time), others its bytes. Each waits for the file
// clock to move first, so the change is one a later look can see.
struct FileChange {
    const char* name;
    bool content;
    std::function<void(const std::string& path)> apply;
};
std::vector<FileChange> fileChanges();

}  // namespace velmora::test
