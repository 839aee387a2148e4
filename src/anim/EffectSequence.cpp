#include "anim/EffectSequence.h"

namespace velmora {

std::vector<OutlineDraw> showSequence(int steps, int frames) {
    std::vector<OutlineDraw> draws;
    int step = 0;
    for (int i = 0; i <= steps + frames; ++i) {
        if (i < steps) {
            step = i;
            draws.push_back({step, true});
        }
        if (i >= frames) {
            step = i - frames;
            draws.push_back({step, true});
        }
    }
    draws.push_back({step, false});
    return draws;
}

std::vector<OutlineDraw> hideSequence(int steps, int frames) {
    std::vector<OutlineDraw> draws;
    int step = 0;
    for (int i = steps + frames - 1; i >= 0; --i) {
        if (i >= frames) {
            step = i - frames;
            draws.push_back({step, true});
        }
        if (i < steps) {
            step = i;
            draws.push_back({step, true});
        }
    }
    draws.push_back({step, false});
    return draws;
}

}  // namespace velmora
