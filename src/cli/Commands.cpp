#include "cli/Commands.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/OperationError.h"
#include "cli/PasswordInput.h"
#include "engine/CarrierLayout.h"
#include "engine/CodePage.h"
#include "engine/EngineError.h"
#include "engine/ExtractCore.h"
#include "engine/HideCore.h"
#include "engine/OperationMessages.h"

namespace velmora::cli {

namespace {

// Opens a picture the way the program does before any hide or extract: it must be a
// bitmap-sized picture of at least 32 by 32 pixels.
CarrierPicture openCarrier(const std::string& fileName) {
    CarrierPicture picture;
    picture.load(fileName);
    if (picture.width() < kMinCarrierSide || picture.height() < kMinCarrierSide)
        throw OperationError(messages::kBitmapTooSmall + fileName);
    return picture;
}

std::string readAll(std::istream& in) {
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const CliOptions& options, std::istream& in) {
    if (!options.textFile) return readAll(in);
    std::ifstream file(*options.textFile, std::ios::binary);
    if (!file) throw OperationError(messages::cannotOpenFile(*options.textFile));
    return readAll(file);
}

// Lines split at LF or CRLF; a final line break ends the last line and adds none.
std::vector<std::string> splitLines(const std::string& text, const std::string& codePage) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(encodeToCodePage(line, codePage));
    }
    return lines;
}

}  // namespace

int runHide(const CliOptions& options, std::istream& in, std::ostream& out) {
    const std::string codePage = systemCodePage();
    CarrierPicture picture = openCarrier(options.picture);
    HideRequest request;
    request.step = options.step;
    request.baseColor = options.baseColor;
    request.password = readPassword(options.passwordFile, /*confirm=*/true, codePage);
    const std::string text = readText(options, in);
    request.storedText = options.raw ? text : packMessageText(splitLines(text, codePage));

    switch (hideMessage(picture, request)) {
    case HideOutcome::TooLarge: throw OperationError(messages::kTextTooLarge);
    case HideOutcome::NotPreserved: throw OperationError(messages::kMessageNotPreserved);
    case HideOutcome::Written: break;
    }
    picture.save(options.output);
    out << messages::kHiddenSuccessfully << ' ' << options.output << '\n';
    return 0;
}

int runExtract(const CliOptions& options, std::ostream& out) {
    const std::string codePage = systemCodePage();
    const CarrierPicture picture = openCarrier(options.picture);
    const std::string password = readPassword(options.passwordFile, /*confirm=*/false, codePage);
    const ExtractResult result = extractMessage(picture, password);
    if (!result.succeeded()) throw OperationError(messages::kPasswordIncorrect);
    if (options.raw) {
        out.write(result.storedText.data(), static_cast<std::streamsize>(result.storedText.size()));
    } else {
        for (const auto& line : unpackMessageText(result.storedText)) out << decodeFromCodePage(line, codePage) << '\n';
    }
    return out.flush() ? 0 : 1;
}

int runCapacity(const CliOptions& options, std::ostream& out) {
    const CarrierPicture picture = openCarrier(options.picture);
    if (picture.kind() != PictureKind::Bitmap) throw OperationError(messages::kNotABitmap);
    out << messageCapacity(picture.width(), picture.height(), options.step) << '\n';
    return 0;
}

int runInfo(const CliOptions& options, std::ostream& out) {
    CarrierPicture picture;
    picture.load(options.picture);
    static constexpr const char* kKinds[] = {"none", "bitmap", "jpeg", "gif", "icon", "metafile"};
    out << "kind: " << kKinds[static_cast<int>(picture.kind())] << '\n'
        << "width: " << picture.width() << '\n'
        << "height: " << picture.height() << '\n';
    if (const BmpImage* bmp = picture.bitmap()) {
        out << "bits per pixel: " << bmp->bitsPerPixel << '\n'
            << "header: " << (bmp->coreHeader ? "core (12 bytes)" : "information (40 bytes)") << '\n'
            << "row order: " << (bmp->topDown() ? "top-down" : "bottom-up") << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
