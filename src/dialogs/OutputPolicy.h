#pragma once

#include <cstdint>

namespace velmora {

// Where a changed picture goes; the numbers are the ones the settings file keeps as k.
enum class OutputPolicy : std::int32_t {
    OverSource = 1,    // over the source file
    NumberedName,      // beside it under the first free numbered name
    AskForName,        // wherever a save dialog says
};

}  // namespace velmora
