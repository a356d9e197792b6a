// The entry point every fuzz target defines. libFuzzer calls it with inputs it generates; the normal
// test suite calls it with every stored input of the target through the replay driver.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

inline std::string_view fuzzBytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A property every input must keep; a violation stops the run like a crash, so the input is kept.
inline void fuzzRequire(bool condition) {
    if (!condition) __builtin_trap();
}
