#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/ColorValue.h"

namespace velmora::cli {

// Bad command-line usage: exit code 2, the message on stderr.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Command { Help, Hide, Extract, Capacity, Info };

struct CliOptions {
    Command command = Command::Help;
    std::string helpTopic;  // the command whose help was asked for; empty for the overview
    std::string picture;
    std::string output;
    std::int32_t step = 0;
    ColorValue baseColor = 0;
    std::optional<std::string> passwordFile;
    std::optional<std::string> textFile;
    std::optional<std::string> codePage;  // the locale's page when not given
    bool raw = false;

    // The 8-bit code page of the password and the text.
    std::string chosenCodePage() const;
};

CliOptions parseArguments(const std::vector<std::string>& args);

// Decimal, hexadecimal written 0x... or $..., or a standard colour name such as Teal.
ColorValue parseBaseColor(const std::string& text);

// The help of a command ("" for the overview); it names the code page used by default here.
std::string helpText(const std::string& topic);

}  // namespace velmora::cli
