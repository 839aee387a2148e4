#pragma once

namespace velmora::messages {

// The built-in English texts of the hide and extract outcomes (language packs may replace
// them in the program; velmora-cli always uses these).
inline constexpr const char* kTextTooLarge =
    "The text is too large to fit the picture. Try to reduce the step or increase the picture size.";
inline constexpr const char* kHiddenSuccessfully = "The information was succesfully hidden in the file";
// Followed by the file name; the prefix ends with a space.
inline constexpr const char* kBitmapTooSmall = "Bitmap is too small ";
inline constexpr const char* kPasswordIncorrect = "The password is incorrect";
// A hide whose values would not read back as written (a colour-table or 16-bit picture, a
// base colour too close to white or a system colour): the message could never be extracted.
inline constexpr const char* kMessageNotPreserved =
    "This picture cannot keep the message exactly. Use a 24- or 32-bit picture and a base colour "
    "that leaves room for the stored values.";

}  // namespace velmora::messages
