// Runs a fuzz target's entry point once on every file of the folders named on the command
// line, in name order, as the fuzzer would run them; this keeps the stored seeds and crash
// inputs ordinary tests in every build, sanitizers or not. A target that finds a fault traps
// or trips a sanitizer, which fails the test; the input's name is printed first.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzTarget.h"

namespace {

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    // A folder that does not exist holds nothing: most targets have no stored crash inputs.
    if (!std::filesystem::is_directory(folder)) return files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& file : filesIn(argv[i])) {
            std::printf("%s\n", file.c_str());
            std::fflush(stdout);
            std::ifstream in(file, std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            // The fuzzer never passes a null pointer, not even for an empty input.
            const std::uint8_t none = 0;
            LLVMFuzzerTestOneInput(bytes.empty() ? &none : bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    // Nothing replayed means a wrong folder, not a pass.
    return replayed > 0 ? 0 : 1;
}
