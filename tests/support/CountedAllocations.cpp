#include "support/CountedAllocations.h"

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
}

namespace {
std::atomic<std::int64_t> requested{0};
void count(std::size_t size) { requested.fetch_add(std::int64_t(size), std::memory_order_relaxed); }
}  // namespace

std::int64_t allocations::bytes() { return requested.load(std::memory_order_relaxed); }

// glibc's own entry points stay in place for free and the aligned forms.
extern "C" {
void* malloc(std::size_t size)
{
    count(size);
    return __libc_malloc(size);
}
void* calloc(std::size_t n, std::size_t size)
{
    count(n * size);
    return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t size)
{
    count(size);
    return __libc_realloc(p, size);
}
}
