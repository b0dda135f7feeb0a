#include "limits/AllocationMeter.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#include <malloc.h>

namespace {

// The tests run on one thread; plain counters do.
int64_t held = 0;
int64_t peak = 0;
int64_t ceiling = INT64_MAX; // refuse allocations that would hold more

void* take(std::size_t n)
{
    if (n > uint64_t(INT64_MAX) || held + int64_t(n) > ceiling)
        throw std::bad_alloc();
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

AllocationMeter::AllocationMeter(size_t limit) : baseline_(held)
{
    peak = held;
    if (limit < size_t(INT64_MAX - held))
        ceiling = held + int64_t(limit);
}

AllocationMeter::~AllocationMeter() { ceiling = INT64_MAX; }

size_t AllocationMeter::peakBytes() const { return size_t(peak - baseline_); }

} // namespace loopora::test
