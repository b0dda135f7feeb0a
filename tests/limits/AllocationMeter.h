#pragma once
// Counts the heap memory a piece of work holds at its peak, and can refuse
// allocations beyond a limit as a machine out of memory would: this test
// program replaces the global operator new and delete with counting ones.
// Robust under the sanitizers, which keep their own memory outside the count.

#include <cstddef>

namespace loopora::test {

class AllocationMeter {
public:
    // Allocations that would hold more than limit bytes beyond what is held
    // now throw std::bad_alloc while the meter lives.
    explicit AllocationMeter(size_t limit = size_t(-1));
    ~AllocationMeter();
    AllocationMeter(const AllocationMeter&) = delete;
    AllocationMeter& operator=(const AllocationMeter&) = delete;

    // The most bytes held at once since the meter was made, beyond what was held then.
    size_t peakBytes() const;

private:
    long long baseline_;
};

} // namespace loopora::test
