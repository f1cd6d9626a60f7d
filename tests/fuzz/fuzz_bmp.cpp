// libFuzzer target: arbitrary bytes as a bitmap file.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/input_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!vclock::fuzz::bmpInputHolds({data, size})) __builtin_trap();
    return 0;
}
