// Counts every allocation through the global operator new of the benchmark program.
#pragma once

#include <cstdint>

// Calls of any global operator new so far.
uint64_t AllocationCount();
