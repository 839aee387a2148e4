#pragma once

#include <optional>
#include <string>

namespace velmora::cli {

// The password in the 8-bit code page: the first line of passwordFile, or typed on the
// terminal without echo (twice when confirm is set). Raises UsageError when it is empty,
// longer than kMaxPasswordBytes, holds a character the code page cannot store (it would become "?"
// and match any other such password), cannot be read, or there is no terminal to ask on; a
// confirmation that differs raises OperationError.
std::string readPassword(const std::optional<std::string>& passwordFile, bool confirm, const std::string& codePage);

}  // namespace velmora::cli
