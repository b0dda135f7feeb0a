#include "limits/AllocationMeter.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#include <malloc.h>

namespace {

// The tests run on one thread; plain counters do.
int64_t held = 0;
int64_t peak = 0;

void* take(std::size_t n)
{
    void* p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    held += int64_t(malloc_usable_size(p));
    if (held > peak)
        peak = held;
    return p;
}

void give(void* p) noexcept
{
    if (!p)
        return;
    held -= int64_t(malloc_usable_size(p));
    std::free(p);
}

} // namespace

void* operator new(std::size_t n) { return take(n); }
void* operator new[](std::size_t n) { return take(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    try {
        return take(n);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { give(p); }
void operator delete[](void* p) noexcept { give(p); }
void operator delete(void* p, std::size_t) noexcept { give(p); }
void operator delete[](void* p, std::size_t) noexcept { give(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { give(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { give(p); }

namespace loopora::test {

AllocationMeter::AllocationMeter() : baseline_(held) { peak = held; }

size_t AllocationMeter::peakBytes() const { return size_t(peak - baseline_); }

} // namespace loopora::test
