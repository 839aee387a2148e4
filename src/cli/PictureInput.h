#pragma once

#include <string>

#include "engine/CarrierPicture.h"

namespace velmora::cli {

// How messages name a picture given on the command line: its file name, or "standard input"
// for "-".
std::string pictureName(const std::string& fileName);

// Loads the picture named on the command line ("-": standard input) as the kind its first
// bytes announce, whatever its name: a BMP called .jpg is a BMP. Content of no kind raises
// OperationError "Not a picture: ..."; a file that cannot be opened or read, or a damaged
// picture, raises the engine's message. Standard input is read no further than a picture of
// its kind can be long.
CarrierPicture loadPicture(const std::string& fileName);

}  // namespace velmora::cli
