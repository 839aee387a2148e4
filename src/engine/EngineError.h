#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

// Every failure of the engine is raised as this error; what() is the exact text the user sees.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const std::string& message) : std::runtime_error(message) {}
};

// The messages of picture loading, pixel access and saving.
namespace messages {
inline constexpr const char* kBitmapInvalid = "Bitmap image is not valid";
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kNotABitmap = "Can only modify an image if it contains a bitmap";
inline std::string unknownExtension(const std::string& ext) { return "Unknown picture file extension (." + ext + ")"; }
inline std::string cannotCreateFile(const std::string& name) { return "Cannot create file " + name; }
inline std::string cannotOpenFile(const std::string& name) { return "Cannot open file " + name; }
inline std::string jpegError(int code) { return "JPEG error #" + std::to_string(code); }
inline constexpr const char* kUnknownGifVersion = "Unknown GIF version";
inline constexpr const char* kIconInvalid = "Icon image is not valid";
inline constexpr const char* kMetafileInvalid = "Metafile is not valid";
}  // namespace messages

}  // namespace velmora
