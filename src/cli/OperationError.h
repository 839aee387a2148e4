#pragma once

#include <stdexcept>

namespace velmora::cli {

// The operation failed (exit code 1); what() is the message for stderr.
class OperationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace velmora::cli
