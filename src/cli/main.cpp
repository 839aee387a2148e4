#include <iostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/OperationError.h"
#include "engine/EngineError.h"

using namespace velmora;

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv, argv + argc);
    try {
        const cli::CliOptions options = cli::parseArguments(args);
        switch (options.command) {
        case cli::Command::Help: std::cout << cli::helpText(options.helpTopic); return 0;
        case cli::Command::Hide: return cli::runHide(options, std::cin, std::cout);
        case cli::Command::Extract: return cli::runExtract(options, std::cout);
        case cli::Command::Capacity: return cli::runCapacity(options, std::cout);
        case cli::Command::Info: return cli::runInfo(options, std::cout);
        }
    } catch (const cli::UsageError& e) {
        std::cerr << "velmora-cli: " << e.what() << "\nTry 'velmora-cli --help'.\n";
        return 2;
    } catch (const EngineError& e) {
        std::cerr << "velmora-cli: " << e.what() << '\n';
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
