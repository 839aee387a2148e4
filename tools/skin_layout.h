// Where the controls of the main window lie on the skin, in pixels from its top-left corner.
// The skin leaves room for them and the button faces are drawn to fit these places. The
// program's captions go above the knobs and on the drawer, at (15, 42), (75, 36), (122, 36)
// and (160, 37), 12 pixels high: the panel there is kept light and plain.
#pragma once

#include "geometry.h"

struct PixelBox {
    int x = 0, y = 0, width = 0, height = 0;
    constexpr V2 centre() const { return {x + width / 2.0, y + height / 2.0}; }
};

constexpr PixelBox kMinimizeButton{16, 56, 45, 16};
constexpr PixelBox kHideButton{78, 46, 29, 29};
constexpr PixelBox kExtractButton{121, 47, 29, 29};
constexpr PixelBox kExitButton{162, 50, 22, 22};
constexpr PixelBox kDrumWindow{41, 120, 111, 111};
