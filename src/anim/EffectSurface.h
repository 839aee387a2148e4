#pragma once

#include "anim/EffectGeometry.h"

namespace velmora {

// Where an animation draws: an inverting pen (drawing an outline twice removes it) and the pause
// that follows a drawing call.
class EffectSurface {
public:
    virtual ~EffectSurface() = default;
    virtual void invert(const Outline& outline) = 0;
    virtual void pause() = 0;
};

}  // namespace velmora
