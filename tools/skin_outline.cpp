#include "skin_outline.h"

#include <cmath>

namespace {

constexpr int kTop = 4;          // the back edge of the machine's top
constexpr int kBottom = 289;     // the last row: the feet and the plinth
constexpr int kFrontTop = 28;    // where the top meets the front
constexpr int kFrontLeft = 8;    // the front's left side
constexpr int kFootLeft = 6;     // the front feet stand out a little
constexpr int kBackRight = 217;  // the back edge of the right side
constexpr int kSlantFrom = 238;  // the side's bottom edge starts here and slants to the front
constexpr int kFrontRight = 193;

int leftEdge(int y) {
    // The top's left edge runs from the back corner down to the front at about 2.2 pixels a
    // row; the last row before the front rounds the corner off.
    if (y < kFrontTop) return static_cast<int>(std::lround(60 - (y - kTop) * 52.0 / 24.0));
    if (y == kFrontTop) return kFrontLeft + 1;
    if (y >= kBottom - 6) return kFootLeft;
    if (y == kBottom - 7) return kFootLeft + 1;
    return kFrontLeft;
}

int rightEdge(int y) {
    if (y == kTop) return kBackRight - 2;  // the rounded back corner of the top
    if (y == kTop + 1) return kBackRight - 1;
    if (y < kSlantFrom) return kBackRight;
    // 24 pixels in over the 52 rows down to the front-right foot.
    constexpr double kRun = kBackRight - kFrontRight, kRise = kBottom - kSlantFrom + 1;
    return kBackRight - static_cast<int>(std::ceil((y - kSlantFrom + 1) * kRun / kRise));
}

}  // namespace

std::optional<RowSpan> skinRow(int y) {
    if (y < kTop || y > kBottom) return std::nullopt;
    return RowSpan{leftEdge(y), rightEdge(y)};
}

bool inSkin(int x, int y) {
    auto row = skinRow(y);
    return row && x >= row->left && x < row->right;
}

int skinRectangleCount() {
    int count = 0;
    std::optional<RowSpan> previous;
    for (int y = 0; y < kSkinHeight; ++y) {
        auto row = skinRow(y);
        if (row && !(previous && previous->left == row->left && previous->right == row->right)) ++count;
        previous = row;
    }
    return count;
}
