#pragma once

// Runs velmora-cli as a user does, with files in a fresh folder.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/BmpBuilder.h"
#include "support/BuildPaths.h"

namespace velmora {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline const std::string& cliProgram() {
    static const std::string path = test::besideTestProgram(VELMORA_CLI_PATH);
    return path;
}

// In a child process: becomes velmora-cli with these arguments (exit 127 when it cannot).
[[noreturn]] inline void execCli(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(cliProgram().c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(dir.path("pw"), {'s', 'e', 'c', 'r', 'e', 't', '\n'});
        test::writeFile(dir.path("pic.bmp"), test::buildBmp(test::BmpRecipe{}));  // 32 x 32, 24 bits
    }

    // Runs velmora-cli in its own session, so it has no terminal to ask a password on. env is
    // put before the command: variables, or a wrapper such as prlimit or setpriv. stdoutTo
    // replaces the redirection of standard output (">/dev/full", ">&-").
    CliRun run(const std::vector<std::string>& args, const std::string& input = "", const std::string& env = "",
               const std::string& stdoutTo = "") {
        test::writeFile(dir.path("stdin"), test::Bytes(input.begin(), input.end()));
        test::writeFile(dir.path("stdout"), {});
        std::string command = env + " setsid -w " + quoted(cliProgram());
        for (const auto& a : args) command += " " + quoted(a);
        command += " <" + quoted(dir.path("stdin")) + " " + (stdoutTo.empty() ? ">" + quoted(dir.path("stdout")) : stdoutTo) +
                   " 2>" + quoted(dir.path("stderr"));
        const int status = std::system(command.c_str());
        CliRun r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        const auto out = test::readFile(dir.path("stdout"));
        const auto err = test::readFile(dir.path("stderr"));
        r.out.assign(out.begin(), out.end());
        r.err.assign(err.begin(), err.end());
        return r;
    }
    CliRun hide(const std::string& text, std::vector<std::string> extra = {}, const std::string& env = "") {
        std::vector<std::string> args = {"hide", dir.path("pic.bmp"), "-o", dir.path("out.bmp"), "--step", "3",
                                         "--base-color", "0", "--password-file", dir.path("pw")};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args, text, env);
    }
    CliRun extract(std::vector<std::string> extra = {}, const std::string& env = "") {
        std::vector<std::string> args = {"extract", dir.path("out.bmp"), "--password-file", dir.path("pw")};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args, "", env);
    }
    test::TempDir dir;
};

}  // namespace velmora
