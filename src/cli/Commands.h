#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"

namespace velmora::cli {

// Each runs one command and returns the exit code; failures are raised as errors. hide reads
// its text from standard input unless a text file is given.
int runHide(const CliOptions& options, std::ostream& out);
int runExtract(const CliOptions& options, std::ostream& out);
int runCapacity(const CliOptions& options, std::ostream& out);
int runInfo(const CliOptions& options, std::ostream& out);

}  // namespace velmora::cli
