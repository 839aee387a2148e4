#pragma once

#include <cstdint>
#include <string>

namespace velmora::test {

// Sets a file's modification (and access) time to now + secondsFromNow.
void setModifiedTime(const std::string& path, long secondsFromNow);

// File times come from a clock that moves in ticks of a few milliseconds; a change made in
// the same tick as the last one could leave the change time as it was. Returns once the
// clock has moved past the file's change time.
void waitUntilTheClockPasses(const std::string& path);

// Overwrites every byte of the file with fill, in place (same file, same size), then puts its
// modification time back: what an editor that saves in place and a careful attacker do.
void rewriteInPlaceKeepingSizeAndTime(const std::string& path, std::uint8_t fill);

}  // namespace velmora::test
