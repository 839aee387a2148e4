#pragma once

#include <cstdint>
#include <functional>

namespace velmora {

// Milliseconds of a steady clock, cut to 32 bits: it wraps every 49.7 days, as callers expect.
std::uint32_t tickCount();

using TickSource = std::function<std::uint32_t()>;

// Lets the user interface run for ms milliseconds: pending events are processed at least once
// (also for ms <= 0), and the call returns no sooner than ms after it began, also when the
// tick counter wraps meanwhile. Between events it sleeps in the event loop instead of
// polling, so a wait costs no processor time.
void waitMs(std::int32_t ms, const TickSource& ticks = tickCount);

}  // namespace velmora
