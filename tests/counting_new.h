// Counts every allocation of the test program that includes it (one .cpp per program): a
// replacement of the global operator new may stand in one translation unit only.
#pragma once
#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<long> allocations{0};
// Kept out of line: inlined, the compiler pairs malloc and free with new and delete and warns.
[[gnu::noinline]] void* operator new(std::size_t n) {
    allocations++;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
