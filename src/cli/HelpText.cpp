#include "cli/HelpText.h"

#include "cli/CliOptions.h"
#include "engine/CodePage.h"
#include "engine/HideCore.h"
#include "engine/Version.h"

namespace velmora::cli {

std::string helpText(const std::string& topic) {
    const std::string codePageHelp =
        "  --code-page NAME    the 8-bit code page of the password and the text, such as\n"
        "                      windows-1251; default: the one of the locale, here " + systemCodePage() + "\n";
    const std::string quietHelp = "  -q, --quiet         no messages for people on success; errors still show\n";
    if (topic == "hide")
        return "usage: velmora-cli hide PICTURE -o OUTPUT --step N [--base-color C]\n"
               "                        [--password-file FILE] [--text-file FILE] [--code-page NAME]\n"
               "                        [--raw] [-q]\n"
               "Hides a password-protected text in a BMP picture and writes the result to OUTPUT.\n"
               "PICTURE - reads the picture from standard input; -o - writes the result to\n"
               "standard output, and the note for people goes to standard error.\n"
               "  -o, --output FILE   where the picture with the message is written\n"
               "  --step N            every N-th pixel carries a byte (" + stepRange() + ")\n"
               "  --base-color C      added to every stored byte: decimal, 0x..., $... or a colour\n"
               "                      name (Black, Maroon, Green, ..., Teal, ..., MedGray); default 0\n"
               "  --password-file F   first line of F is the password (1 to " + std::to_string(kMaxPasswordBytes) + " bytes); without it\n"
               "                      the password is asked on the terminal\n"
               "  --text-file F       the message; without it, standard input. Each line is a line\n"
               "                      of the message (LF or CRLF), stored in the code page\n" +
               codePageHelp +
               "  --raw               store the text's bytes exactly, without line packing or\n"
               "                      code-page conversion\n" +
               quietHelp +
               "A password or text with a character the code page cannot store is refused. Any FILE\n"
               "may be -, standard input, but only one of the picture, text and password at once.\n";
    if (topic == "extract")
        return "usage: velmora-cli extract PICTURE [--password-file FILE] [--code-page NAME] [--raw]\n"
               "Prints the message hidden in PICTURE, one line per line. PICTURE or FILE may be -,\n"
               "standard input (not both).\n"
               "  --password-file F   first line of F is the password; without it, it is asked\n" +
               codePageHelp +
               "  --raw               write the stored bytes exactly, separators included\n";
    if (topic == "capacity")
        return "usage: velmora-cli capacity PICTURE --step N [--json]\n"
               "Prints how many message bytes (password plus text) fit PICTURE at step N.\n"
               "PICTURE may be -, standard input.\n"
               "  --json              one JSON object: file, width, height, step, message_bytes\n";
    if (topic == "info")
        return "usage: velmora-cli info PICTURE [--json]\n"
               "Prints the picture's kind, width, height, bits per pixel, header form and row order.\n"
               "PICTURE may be -, standard input.\n"
               "  --json              one JSON object: file, kind, width, height, and for a BMP\n"
               "                      bits_per_pixel, header, header_bytes, row_order\n";
    return "usage: velmora-cli [OPTIONS] COMMAND [OPTIONS] PICTURE\n"
           "Hides a password-protected text message in a BMP picture and reads it back.\n\n"
           "Commands:\n"
           "  hide       hide a message in a picture\n"
           "  extract    read a hidden message\n"
           "  capacity   how many bytes a picture can carry\n"
           "  info       describe a picture file\n\n"
           "  -h, --help          describe a command: velmora-cli COMMAND --help\n"
           "  --version           print the version\n" +
           quietHelp +
           "\nOptions may come before or after the command, as --name VALUE or --name=VALUE;\n"
           "-- ends the options. A file name of - is standard input (or output for -o).\n"
           "Pictures are recognised by their content, whatever their names. Exit status: 0\n"
           "done, 1 the operation failed, 2 bad usage. Passwords are never taken from the\n"
           "command line. Text and passwords are stored in the 8-bit code page of the locale,\n"
           "here " + systemCodePage() + ", unless --code-page names another.\n";
}

std::string versionText() { return std::string("velmora-cli ") + programVersion + "\n"; }

}  // namespace velmora::cli
