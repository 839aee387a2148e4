#pragma once

#include <chrono>

namespace velmora {

// Lets the program run for `length` while the user's input waits: timers, repaints and posted
// events go on (the drum keeps turning), and clicks and keys are handled once the pause is over.
// Sleeps in a nested event loop, so a pause costs no processor time.
void pauseWithoutInput(std::chrono::milliseconds length);

}  // namespace velmora
