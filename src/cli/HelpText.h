#pragma once

#include <string>

namespace velmora::cli {

// The help of a command ("" for the overview); it names the code page used by default here.
std::string helpText(const std::string& topic);

// "velmora-cli VERSION" and a line end.
std::string versionText();

}  // namespace velmora::cli
