#pragma once

// The entry points libFuzzer calls; every target defines the first, some the second, and the
// replay program calls the first on stored inputs.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
