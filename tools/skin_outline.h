// The outline of the washing-machine skin, row by row. The machine is seen a little from above
// and from the right: its top runs back to the upper right (the slanted top-left corner) and
// its right side shows down to a bottom edge that slants back up (the bottom-right corner).
// Every row is one run of pixels; the window's shape is cut from exactly these runs.
#pragma once

#include <optional>

constexpr int kSkinWidth = 223;
constexpr int kSkinHeight = 299;

struct RowSpan {
    int left = 0;   // first pixel of the machine
    int right = 0;  // first pixel after it
};

// The machine's pixels in row y, or nothing for a row of bare background.
std::optional<RowSpan> skinRow(int y);

bool inSkin(int x, int y);

// How many rectangles a window region made of these rows holds once rows with equal runs are
// merged, as window systems store regions.
int skinRectangleCount();
