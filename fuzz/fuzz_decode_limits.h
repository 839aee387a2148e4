#pragma once

#include "engine/DecodeLimits.h"

// Lower limits than the program's keep every input cheap to try; -rss_limit_mb then catches
// any decode that escapes them.
inline constexpr velmora::DecodeLimits kFuzzDecodeLimits{.fixedBytes = 4u << 20, .bytesPerFileByte = 32};
