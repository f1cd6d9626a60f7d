#pragma once

#include <cstdint>

namespace vclock::bench {

// Heap allocations made by this program so far: the benchmark program
// replaces the global operator new with a counting one.
std::int64_t allocationCount();

}  // namespace vclock::bench
