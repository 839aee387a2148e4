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

enum class Command { Help, Version, Hide, Extract, Capacity, Info };

// What the command line asks for. File names may be "-": standard input, or standard output
// for the output.
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
    bool quiet = false;  // no messages for people on success
    bool json = false;

    // The 8-bit code page of the password and the text.
    std::string chosenCodePage() const;
    // Where hide's text comes from: the text file, or standard input without one.
    std::string textSource() const { return textFile.value_or("-"); }
};

// GNU style: options before or after the command and its picture, "--name value" or
// "--name=value", short options that may be grouped ("-qo out.bmp", "-oout.bmp"), and "--"
// ending the options.
CliOptions parseArguments(const std::vector<std::string>& args);

// Decimal, hexadecimal written 0x... or $..., or a standard colour name such as Teal.
ColorValue parseBaseColor(const std::string& text);

// The steps a hide may use, as help and messages write them: "2 to 500".
std::string stepRange();

}  // namespace velmora::cli
