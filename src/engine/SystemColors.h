#pragma once

#include "engine/ColorValue.h"

namespace velmora {

// The colour a negative colour value stands for: its lowest byte numbers a user-interface
// element (0 scroll bar, 1 desktop, 5 window, 8 window text, 15 button face, ...). The engine
// uses the classic desktop scheme, so a carrier written anywhere gets the same pixels;
// numbers past the table give black.
ColorValue systemColor(ColorValue value);

}  // namespace velmora
