#include "cli/CliOptions.h"

#include <charconv>
#include <map>

#include "engine/CodePage.h"
#include "engine/HideCore.h"
#include "engine/NamedColors.h"

namespace velmora::cli {

namespace {

const std::map<std::string, Command, std::less<>> kCommands = {
    {"hide", Command::Hide}, {"extract", Command::Extract}, {"capacity", Command::Capacity}, {"info", Command::Info}};

template <typename T>
std::optional<T> parseNumber(std::string_view text, int base) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::string stepRange() { return std::to_string(kMinStep) + " to " + std::to_string(kMaxStep); }

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

class ArgumentCursor {
public:
    explicit ArgumentCursor(const std::vector<std::string>& args) : args_(args) {}
    bool done() const { return next_ >= args_.size(); }
    const std::string& take() { return args_[next_++]; }
    const std::string& valueOf(const std::string& option) {
        if (done()) throw UsageError(option + " needs a value");
        return take();
    }

private:
    const std::vector<std::string>& args_;
    std::size_t next_ = 1;
};

}  // namespace

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
    CliOptions o;
    if (args.size() < 2) throw UsageError("missing command");
    if (args[1] == "--help" || args[1] == "-h" || args[1] == "help") {
        o.helpTopic = args.size() > 2 && args[1] == "help" ? args[2] : "";
        return o;
    }
    const auto command = kCommands.find(args[1]);
    if (command == kCommands.end()) throw UsageError("unknown command '" + args[1] + "'");
    o.command = command->second;

    bool stepGiven = false;
    ArgumentCursor cursor(args);
    cursor.take();
    while (!cursor.done()) {
        const std::string& arg = cursor.take();
        if (arg == "--help" || arg == "-h") {
            o.helpTopic = args[1];
            o.command = Command::Help;
            return o;
        }
        const bool hide = o.command == Command::Hide;
        const bool secret = hide || o.command == Command::Extract;
        if (arg == "-o" && hide) o.output = cursor.valueOf(arg);
        else if (arg == "--step" && (hide || o.command == Command::Capacity)) { o.step = parseStep(cursor.valueOf(arg)); stepGiven = true; }
        else if (arg == "--base-color" && hide) o.baseColor = parseBaseColor(cursor.valueOf(arg));
        else if (arg == "--password-file" && secret) o.passwordFile = cursor.valueOf(arg);
        else if (arg == "--text-file" && hide) o.textFile = cursor.valueOf(arg);
        else if (arg == "--code-page" && secret) o.codePage = parseCodePage(cursor.valueOf(arg));
        else if (arg == "--raw" && secret) o.raw = true;
        else if (arg.starts_with("-") && arg != "-") throw UsageError("unknown option '" + arg + "' for " + args[1]);
        else if (o.picture.empty()) o.picture = arg;
        else throw UsageError("unexpected argument '" + arg + "'");
    }
    if (o.picture.empty()) throw UsageError(args[1] + " needs a PICTURE");
    if (o.command == Command::Hide && o.output.empty()) throw UsageError("hide needs -o OUTPUT");
    if ((o.command == Command::Hide || o.command == Command::Capacity) && !stepGiven)
        throw UsageError(args[1] + " needs --step N");
    return o;
}

std::string CliOptions::chosenCodePage() const { return codePage.value_or(systemCodePage()); }

std::string helpText(const std::string& topic) {
    const std::string codePageHelp =
        "  --code-page NAME    the 8-bit code page of the password and the text, such as\n"
        "                      windows-1251; default: the one of the locale, here " + systemCodePage() + "\n";
    if (topic == "hide")
        return "usage: velmora-cli hide PICTURE -o OUTPUT --step N --base-color C --password-file FILE\n"
               "                        [--text-file FILE] [--code-page NAME] [--raw]\n"
               "Hides a password-protected text in a BMP picture and writes the result to OUTPUT.\n"
               "  --step N            every N-th pixel carries a byte (" + stepRange() + ")\n"
               "  --base-color C      added to every stored byte: decimal, 0x..., $... or a colour\n"
               "                      name (Black, Maroon, Green, ..., Teal, ..., MedGray); default 0\n"
               "  --password-file F   first line of F is the password (1 to " + std::to_string(kMaxPasswordBytes) + " bytes); without it\n"
               "                      the password is asked on the terminal\n"
               "  --text-file F       the message; without it, standard input. Each line is a line\n"
               "                      of the message (LF or CRLF), stored in the code page\n" +
               codePageHelp +
               "  --raw               store the text's bytes exactly, without line packing or\n"
               "                      code-page conversion\n"
               "A password or text with a character the code page cannot store is refused.\n";
    if (topic == "extract")
        return "usage: velmora-cli extract PICTURE [--password-file FILE] [--code-page NAME] [--raw]\n"
               "Prints the message hidden in PICTURE, one line per line.\n"
               "  --password-file F   first line of F is the password; without it, it is asked\n" +
               codePageHelp +
               "  --raw               write the stored bytes exactly, separators included\n";
    if (topic == "capacity")
        return "usage: velmora-cli capacity PICTURE --step N\n"
               "Prints how many message bytes (password plus text) fit PICTURE at step N.\n";
    if (topic == "info")
        return "usage: velmora-cli info PICTURE\n"
               "Prints the picture's kind, width, height, bits per pixel, header form and row order.\n";
    return "usage: velmora-cli COMMAND [OPTIONS]\n"
           "Hides a password-protected text message in a BMP picture and reads it back.\n\n"
           "Commands:\n"
           "  hide       hide a message in a picture\n"
           "  extract    read a hidden message\n"
           "  capacity   how many bytes a picture can carry\n"
           "  info       describe a picture file\n\n"
           "'velmora-cli COMMAND --help' describes a command. Exit status: 0 done, 1 the operation\n"
           "failed, 2 bad usage. Passwords are never taken from the command line. Text and\n"
           "passwords are stored in the 8-bit code page of the locale, here " + systemCodePage() + ",\n"
           "unless --code-page names another.\n";
}

}  // namespace velmora::cli
