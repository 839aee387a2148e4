#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"

namespace velmora::cli {

// Each runs one command and returns the exit code; failures are raised as errors.
int runHide(const CliOptions& options, std::istream& in, std::ostream& out);
int runExtract(const CliOptions& options, std::ostream& out);
int runCapacity(const CliOptions& options, std::ostream& out);
int runInfo(const CliOptions& options, std::ostream& out);

}  // namespace velmora::cli
