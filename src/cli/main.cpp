#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/HelpText.h"
#include "cli/OperationError.h"
#include "cli/StandardOutput.h"
#include "engine/EngineError.h"
#include "engine/InterruptCleanup.h"

using namespace velmora;

namespace {

int runCommand(const std::vector<std::string>& args, std::ostream& out) {
    try {
        const cli::CliOptions options = cli::parseArguments(args);
        switch (options.command) {
        case cli::Command::Help: out << cli::helpText(options.helpTopic); return 0;
        case cli::Command::Version: out << cli::versionText(); return 0;
        case cli::Command::Hide: return cli::runHide(options, out);
        case cli::Command::Extract: return cli::runExtract(options, out);
        case cli::Command::Capacity: return cli::runCapacity(options, out);
        case cli::Command::Info: return cli::runInfo(options, out);
        }
    } catch (const cli::UsageError& e) {
        std::cerr << "velmora-cli: " << e.what() << "\nTry 'velmora-cli --help'.\n";
        return 2;
    } catch (const EngineError& e) {
        std::cerr << "velmora-cli: " << e.what() << '\n';
        // The system's reason on a line of its own, so the first line stays the program's text.
        if (!e.reason().empty()) std::cerr << "velmora-cli: " << e.reason() << '\n';
        return 1;
    } catch (const cli::OperationError& e) {
        std::cerr << "velmora-cli: " << e.what() << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        std::cerr << "velmora-cli: out of memory\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    removeTemporaryFilesOnInterrupt();
    // A file size limit then fails the write ("File too large") instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    cli::StandardOutput out;
    const int status = runCommand(std::vector<std::string>(argv, argv + argc), out);
    if (const int error = out.finish(); error != 0) {
        std::cerr << "velmora-cli: " << cli::kCannotWriteStandardOutput << "\nvelmora-cli: " << systemReason(error) << '\n';
        return status == 0 ? 1 : status;
    }
    return status;
}
