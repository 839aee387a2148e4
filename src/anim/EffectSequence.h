#pragma once

#include <vector>

namespace velmora {

// One drawing call of an animation: invert outline `step`, then pause or not.
struct OutlineDraw {
    int step = 0;
    bool pause = true;
    bool operator==(const OutlineDraw&) const = default;
};

// The growing animation: each outline appears and is removed again `frames` steps later, so a
// trail of outlines follows the newest; the full outline flashes for one pause at the end. Every
// outline is drawn an even number of times, so inverting them all leaves nothing behind.
std::vector<OutlineDraw> showSequence(int steps, int frames);

// The shrinking animation: the same trail backwards, from outline steps - 1 down to the empty
// outline 0; again every outline is drawn an even number of times.
std::vector<OutlineDraw> hideSequence(int steps, int frames);

}  // namespace velmora
