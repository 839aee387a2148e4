#pragma once

#include "engine/DecodeLimits.h"

namespace velmora::test {

// Lowers the engine's decode limits for one test and puts the old ones back afterwards.
class ScopedDecodeLimits {
public:
    explicit ScopedDecodeLimits(const DecodeLimits& limits) : saved_(decodeLimits()) { setDecodeLimits(limits); }
    ~ScopedDecodeLimits() { setDecodeLimits(saved_); }
    ScopedDecodeLimits(const ScopedDecodeLimits&) = delete;
    ScopedDecodeLimits& operator=(const ScopedDecodeLimits&) = delete;

private:
    DecodeLimits saved_;
};

}  // namespace velmora::test
