#pragma once

// The entry point libFuzzer calls; every target defines it, and the replay program calls it on
// stored inputs.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
