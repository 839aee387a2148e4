#pragma once

#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

namespace velmora {

// Every failure of the engine is raised as this error; what() is the exact text the user sees.
// reason() says why, when the system gave a reason ("Permission denied", "Is a directory"):
// velmora-cli prints it on a line of its own, the program's message boxes keep what() alone.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const std::string& message, std::string reason = {})
        : std::runtime_error(message), reason_(std::move(reason)) {}
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// The system's text for an errno value, such as "No space left on device".
inline std::string systemReason(int error) { return std::generic_category().message(error); }

// The messages of picture loading, pixel access and saving.
namespace messages {
inline constexpr const char* kBitmapInvalid = "Bitmap image is not valid";
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kNotABitmap = "Can only modify an image if it contains a bitmap";
inline std::string unknownExtension(const std::string& ext) { return "Unknown picture file extension (." + ext + ")"; }
inline std::string cannotCreateFile(const std::string& name) { return "Cannot create file " + name; }
// A failed write's message, such as "Cannot create file <name>", said of a picture whose BMP
// file would pass 4 GiB.
inline std::string tooLargeForBmp(const std::string& failureMessage) {
    return failureMessage + " (a BMP file holds at most 4 GiB)";
}
inline std::string cannotOpenFile(const std::string& name) { return "Cannot open file " + name; }
inline std::string jpegError(int code) { return "JPEG error #" + std::to_string(code); }
inline constexpr const char* kUnknownGifVersion = "Unknown GIF version";
inline constexpr const char* kIconInvalid = "Icon image is not valid";
inline constexpr const char* kMetafileInvalid = "Metafile is not valid";
// Reasons that are not the system's own words.
inline constexpr const char* kNotARegularFile = "Not a regular file";
inline constexpr const char* kFileTooLarge = "The file is far larger than any file of its kind";
inline constexpr const char* kOwnerNotKept = "The file belongs to another user, who would lose it";
// A message of its own: a picture changed under the program is neither damaged nor locked.
inline constexpr const char* kFileChanged = "The file was changed while it was open";
}  // namespace messages

// The content of a file the program holds open changed (a change of its permissions, links or
// access time is none): what was read from it may mix two versions, so nothing built from it
// may be used.
class FileChangedError : public EngineError {
public:
    FileChangedError() : EngineError(messages::kFileChanged) {}
};

}  // namespace velmora
