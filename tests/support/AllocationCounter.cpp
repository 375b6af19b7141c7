#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>

namespace {
std::atomic<long> Count{0};
}

long AllocationCount()
{
    return Count.load(std::memory_order_relaxed);
}

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *p, std::size_t size);
void __libc_free(void *p);

void *malloc(std::size_t size)
{
    Count.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size)
{
    Count.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void *realloc(void *p, std::size_t size)
{
    Count.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, size);
}

void free(void *p)
{
    __libc_free(p);
}
}
