#pragma once
// Bytes the test program has asked the C library's allocator for since it
// started (malloc, calloc, realloc: operator new and Qt's containers go
// through them), freed or not: the growth of a step is at most the
// difference of two readings. Programs that use it link
// CountedAllocations.cpp, which takes the place of those functions.
#include <cstdint>

namespace allocations {
std::int64_t bytes();
}
