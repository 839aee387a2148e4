#include "support/BuildPaths.h"

#include <filesystem>

namespace velmora::test {

std::string besideTestProgram(const std::string& relative) {
    static const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    return (folder / relative).lexically_normal().string();
}

}  // namespace velmora::test
