#include "cli/Commands.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <ostream>
#include <sstream>

#include "cli/InputFile.h"
#include "cli/JsonObject.h"
#include "cli/OperationError.h"
#include "cli/PasswordInput.h"
#include "cli/PictureInput.h"
#include "cli/StandardOutput.h"
#include "engine/CarrierLayout.h"
#include "engine/CodePage.h"
#include "engine/EngineError.h"
#include "engine/ExtractCore.h"
#include "engine/HideCore.h"
#include "engine/OperationMessages.h"

namespace velmora::cli {

namespace {

// The longest text any picture can carry: every slot but the message's overhead, less a
// password of one byte.
constexpr std::size_t kLongestStoredText = kMaxSlots - kMessageOverheadSlots - 1;
// One stored byte comes from at most three bytes of input: a character of an 8-bit code page
// is at most three bytes of UTF-8, a line end at most two.
constexpr std::size_t kInputBytesPerStoredByte = 3;

// Opens a picture the way the program does before any hide or extract: it must be of a
// carrier's size.
CarrierPicture openCarrier(const std::string& fileName) {
    CarrierPicture picture = loadPicture(fileName);
    if (!isCarrierSize(picture.width(), picture.height()))
        throw OperationError(messages::kBitmapTooSmall + pictureName(fileName));
    return picture;
}

// The message input, read no further than any picture could use: one byte more than that
// already makes it too large.
std::string readText(const CliOptions& options) {
    const std::size_t limit = options.raw ? kLongestStoredText : kLongestStoredText * kInputBytesPerStoredByte;
    const std::string text = InputFile(options.textSource()).readTextAtMost(limit + 1);
    if (text.size() > limit) throw OperationError(messages::kTextTooLarge);
    return text;
}

// The character at offset as the user typed it, or the byte when it is not UTF-8.
std::string characterAt(const std::string& line, std::size_t offset) {
    const auto lead = static_cast<unsigned char>(line[offset]);
    const std::size_t length = lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    bool whole = length > 0 && offset + length <= line.size();
    for (std::size_t i = 1; whole && i < length; ++i) whole = (static_cast<unsigned char>(line[offset + i]) & 0xC0) == 0x80;
    if (whole) return "'" + line.substr(offset, length) + "'";
    char byte[16];
    std::snprintf(byte, sizeof byte, "byte 0x%02X", lead);
    return byte;
}

// Lines split at LF or CRLF; a final line break ends the last line and adds none. A character
// the code page cannot store is refused rather than hidden as "?".
std::vector<std::string> splitLines(const std::string& text, const std::string& codePage) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (const std::size_t bad = firstUnstorable(line, codePage); bad != std::string::npos) {
            throw UsageError("line " + std::to_string(lines.size() + 1) + " of the text has a character that " + codePage +
                             " cannot store: " + characterAt(line, bad) +
                             "; choose the code page with --code-page, or keep the bytes as they are with --raw");
        }
        lines.push_back(encodeToCodePage(line, codePage));
    }
    return lines;
}

}  // namespace

int runHide(const CliOptions& options, std::ostream& out) {
    const std::string codePage = options.chosenCodePage();
    CarrierPicture picture = openCarrier(options.picture);
    HideRequest request;
    request.step = options.step;
    request.baseColor = options.baseColor;
    request.password = readPassword(options.passwordFile, /*confirm=*/true, codePage);
    const std::string text = readText(options);
    request.storedText = options.raw ? text : packMessageText(splitLines(text, codePage));

    switch (hideMessage(picture, request)) {
    case HideOutcome::TooLarge: throw OperationError(messages::kTextTooLarge);
    case HideOutcome::NotPreserved: throw OperationError(messages::kMessageNotPreserved);
    case HideOutcome::Written: break;
    }
    if (isStandardStream(options.output)) {
        // Nothing but the picture goes to standard output, so the note goes to standard error.
        picture.saveToDescriptor(STDOUT_FILENO, kCannotWriteStandardOutput);
        if (!options.quiet) std::cerr << messages::kHiddenSuccessfully << " written to standard output\n";
        return 0;
    }
    picture.save(options.output);
    if (!options.quiet) out << messages::kHiddenSuccessfully << ' ' << options.output << '\n';
    return 0;
}

int runExtract(const CliOptions& options, std::ostream& out) {
    const std::string codePage = options.chosenCodePage();
    const CarrierPicture picture = openCarrier(options.picture);
    const std::string password = readPassword(options.passwordFile, /*confirm=*/false, codePage);
    const ExtractResult result = extractMessage(picture, password);
    if (!result.succeeded()) throw OperationError(messages::kPasswordIncorrect);
    if (options.raw) {
        out.write(result.storedText.data(), static_cast<std::streamsize>(result.storedText.size()));
    } else {
        for (const auto& line : unpackMessageText(result.storedText)) out << decodeFromCodePage(line, codePage) << '\n';
    }
    return 0;
}

int runCapacity(const CliOptions& options, std::ostream& out) {
    const CarrierPicture picture = openCarrier(options.picture);
    if (picture.kind() != PictureKind::Bitmap) throw OperationError(messages::kNotABitmap);
    const std::int64_t capacity = messageCapacity(picture.width(), picture.height(), options.step);
    if (!options.json) {
        out << capacity << '\n';
        return 0;
    }
    out << JsonObject()
               .add("file", options.picture)
               .add("width", picture.width())
               .add("height", picture.height())
               .add("step", options.step)
               .add("message_bytes", capacity)
               .text()
        << '\n';
    return 0;
}

int runInfo(const CliOptions& options, std::ostream& out) {
    const CarrierPicture picture = loadPicture(options.picture);
    static constexpr const char* kKinds[] = {"none", "bitmap", "jpeg", "gif", "icon", "metafile"};
    const char* kind = kKinds[static_cast<int>(picture.kind())];
    const BmpImage* bmp = picture.bitmap();
    if (options.json) {
        JsonObject json;
        json.add("file", options.picture).add("kind", kind).add("width", picture.width()).add("height", picture.height());
        if (bmp) {
            json.add("bits_per_pixel", bmp->bitsPerPixel)
                .add("header", bmp->coreHeader ? "core" : "information")
                .add("header_bytes", bmp->coreHeader ? 12 : 40)
                .add("row_order", bmp->topDown() ? "top-down" : "bottom-up");
        }
        out << json.text() << '\n';
        return 0;
    }
    out << "kind: " << kind << '\n' << "width: " << picture.width() << '\n' << "height: " << picture.height() << '\n';
    if (bmp) {
        out << "bits per pixel: " << bmp->bitsPerPixel << '\n'
            << "header: " << (bmp->coreHeader ? "core (12 bytes)" : "information (40 bytes)") << '\n'
            << "row order: " << (bmp->topDown() ? "top-down" : "bottom-up") << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
