#include "cli/CliOptions.h"

#include <charconv>
#include <map>
#include <string_view>

#include "cli/InputFile.h"
#include "engine/CodePage.h"
#include "engine/HideCore.h"
#include "engine/NamedColors.h"

namespace velmora::cli {

namespace {

const std::map<std::string, Command, std::less<>> kCommands = {
    {"hide", Command::Hide}, {"extract", Command::Extract}, {"capacity", Command::Capacity}, {"info", Command::Info}};

// The commands an option applies to, as bits.
enum Uses : unsigned { kHide = 1, kExtract = 2, kCapacity = 4, kInfo = 8, kAll = 15 };

unsigned useOf(Command command) {
    switch (command) {
    case Command::Hide: return kHide;
    case Command::Extract: return kExtract;
    case Command::Capacity: return kCapacity;
    case Command::Info: return kInfo;
    case Command::Help:
    case Command::Version: break;
    }
    return kAll;
}

struct OptionSpec {
    std::string_view longName;
    char shortName;  // 0: none
    bool takesValue;
    unsigned uses;
};

constexpr OptionSpec kOptions[] = {
    {"help", 'h', false, kAll},
    {"version", 0, false, kAll},
    {"quiet", 'q', false, kAll},
    {"output", 'o', true, kHide},
    {"step", 0, true, kHide | kCapacity},
    {"base-color", 0, true, kHide},
    {"password-file", 0, true, kHide | kExtract},
    {"text-file", 0, true, kHide},
    {"code-page", 0, true, kHide | kExtract},
    {"raw", 0, false, kHide | kExtract},
    {"json", 0, false, kCapacity | kInfo},
};

// One option as the command line gave it.
struct GivenOption {
    const OptionSpec* spec;
    std::string spelling;  // "--step" or "-o", for messages
    std::string value;
};

const OptionSpec* findOption(std::string_view longName, char shortName) {
    for (const OptionSpec& spec : kOptions)
        if (longName.empty() ? spec.shortName == shortName : spec.longName == longName) return &spec;
    return nullptr;
}

// The command line cut into options and the other arguments, before any meaning is given to
// them.
struct SplitArguments {
    std::vector<GivenOption> options;
    std::vector<std::string> operands;  // the command, then its picture

    bool has(std::string_view longName) const {
        for (const GivenOption& given : options)
            if (given.spec->longName == longName) return true;
        return false;
    }
};

class Splitter {
public:
    explicit Splitter(const std::vector<std::string>& args) : args_(args) {}

    SplitArguments split() {
        bool optionsEnded = false;
        while (next_ < args_.size()) {
            const std::string& arg = args_[next_++];
            if (optionsEnded || arg == "-" || !arg.starts_with("-")) split_.operands.push_back(arg);
            else if (arg == "--") optionsEnded = true;
            else if (arg.starts_with("--")) takeLong(arg);
            else takeShortGroup(arg);
        }
        return std::move(split_);
    }

private:
    void takeLong(const std::string& arg) {
        const std::size_t equals = arg.find('=');
        const std::string spelling = arg.substr(0, equals);
        const OptionSpec* spec = findOption(std::string_view(spelling).substr(2), 0);
        if (!spec) throw UsageError("unknown option '" + spelling + "'");
        if (!spec->takesValue && equals != std::string::npos) throw UsageError(spelling + " takes no value");
        const std::string value =
            !spec->takesValue ? std::string() : equals != std::string::npos ? arg.substr(equals + 1) : valueOf(spelling);
        split_.options.push_back({spec, spelling, value});
    }

    // "-q", "-o FILE", "-oFILE", "-qo FILE": letters until one that takes a value, which takes
    // the rest of the argument or, when nothing is left, the next one.
    void takeShortGroup(const std::string& arg) {
        for (std::size_t i = 1; i < arg.size(); ++i) {
            const std::string spelling = std::string("-") + arg[i];
            const OptionSpec* spec = findOption({}, arg[i]);
            if (!spec) throw UsageError("unknown option '" + spelling + "'");
            if (!spec->takesValue) {
                split_.options.push_back({spec, spelling, {}});
                continue;
            }
            split_.options.push_back({spec, spelling, i + 1 < arg.size() ? arg.substr(i + 1) : valueOf(spelling)});
            return;
        }
    }

    const std::string& valueOf(const std::string& spelling) {
        if (next_ >= args_.size()) throw UsageError(spelling + " needs a value");
        return args_[next_++];
    }

    const std::vector<std::string>& args_;
    std::size_t next_ = 1;
    SplitArguments split_;
};

template <typename T>
std::optional<T> parseNumber(std::string_view text, int base) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::int32_t parseStep(const std::string& text) {
    const auto step = parseNumber<std::int32_t>(text, 10);
    if (!step || *step < kMinStep || *step > kMaxStep)
        throw UsageError("--step must be a whole number from " + stepRange() + ", not '" + text + "'");
    return *step;
}

std::string parseCodePage(const std::string& name) {
    if (!isEightBitCodePage(name))
        throw UsageError("--code-page takes an 8-bit code page this system knows, such as windows-1251, not '" + name +
                         "'");
    return name;
}

void apply(const GivenOption& given, CliOptions& o) {
    const std::string_view name = given.spec->longName;
    if (name == "quiet") o.quiet = true;
    else if (name == "output") o.output = given.value;
    else if (name == "step") o.step = parseStep(given.value);
    else if (name == "base-color") o.baseColor = parseBaseColor(given.value);
    else if (name == "password-file") o.passwordFile = given.value;
    else if (name == "text-file") o.textFile = given.value;
    else if (name == "code-page") o.codePage = parseCodePage(given.value);
    else if (name == "raw") o.raw = true;
    else if (name == "json") o.json = true;
}

// One standard input cannot carry two of the picture, the text and the password.
void checkStandardInputUsers(const CliOptions& o) {
    const int users = int{isStandardStream(o.picture)} +
                      int{o.command == Command::Hide && isStandardStream(o.textSource())} +
                      int{o.passwordFile && isStandardStream(*o.passwordFile)};
    if (users > 1)
        throw UsageError("standard input can carry only one of the picture, the text (hide reads it from there "
                         "unless --text-file is given) and the password");
}

}  // namespace

std::string stepRange() { return std::to_string(kMinStep) + " to " + std::to_string(kMaxStep); }

ColorValue parseBaseColor(const std::string& text) {
    std::optional<std::uint32_t> value;
    if (text.starts_with("0x") || text.starts_with("0X")) value = parseNumber<std::uint32_t>(text.substr(2), 16);
    else if (text.starts_with("$")) value = parseNumber<std::uint32_t>(text.substr(1), 16);
    else if (auto decimal = parseNumber<std::int64_t>(text, 10); decimal && *decimal >= INT32_MIN && *decimal <= UINT32_MAX)
        value = static_cast<std::uint32_t>(*decimal);
    else if (auto named = standardColorNamed(text)) value = static_cast<std::uint32_t>(*named);
    if (!value) throw UsageError("--base-color takes a number (decimal, 0x... or $...) or a colour name, not '" + text + "'");
    return static_cast<ColorValue>(*value);
}

CliOptions parseArguments(const std::vector<std::string>& args) {
    const SplitArguments split = Splitter(args).split();
    const std::vector<std::string>& operands = split.operands;
    CliOptions o;
    if (split.has("help") || (!operands.empty() && operands[0] == "help")) {
        // "COMMAND --help" and "help COMMAND" both describe the command.
        const std::size_t topic = !operands.empty() && operands[0] == "help" ? 1 : 0;
        if (topic < operands.size()) o.helpTopic = operands[topic];
        return o;
    }
    if (split.has("version")) {
        o.command = Command::Version;
        return o;
    }
    if (operands.empty()) throw UsageError("missing command");
    const std::string& name = operands[0];
    const auto command = kCommands.find(name);
    if (command == kCommands.end()) throw UsageError("unknown command '" + name + "'");
    o.command = command->second;

    bool stepGiven = false;
    for (const GivenOption& given : split.options) {
        if ((given.spec->uses & useOf(o.command)) == 0) throw UsageError("unknown option '" + given.spelling + "' for " + name);
        apply(given, o);
        stepGiven = stepGiven || given.spec->longName == "step";
    }
    if (operands.size() > 2) throw UsageError("unexpected argument '" + operands[2] + "'");
    if (operands.size() < 2 || operands[1].empty()) throw UsageError(name + " needs a PICTURE");
    o.picture = operands[1];
    if (o.command == Command::Hide && o.output.empty()) throw UsageError("hide needs -o OUTPUT");
    if ((o.command == Command::Hide || o.command == Command::Capacity) && !stepGiven)
        throw UsageError(name + " needs --step N");
    checkStandardInputUsers(o);
    return o;
}

std::string CliOptions::chosenCodePage() const { return codePage.value_or(systemCodePage()); }

}  // namespace velmora::cli
