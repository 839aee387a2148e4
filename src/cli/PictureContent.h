#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "engine/CarrierPicture.h"

namespace velmora::cli {

// How many first bytes pictureKindOf looks at: an EMF's signature ends there.
inline constexpr std::size_t kSignatureBytes = 44;

// The kind of picture a file's first bytes announce, whatever the file is called; nullopt for
// none. Only the signature is looked at: the kind's reader judges the rest.
std::optional<PictureKind> pictureKindOf(std::span<const std::uint8_t> head);

}  // namespace velmora::cli
