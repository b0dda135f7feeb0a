#pragma once
// Counts the heap memory a piece of work holds at its peak: this test program
// replaces the global operator new and delete with counting ones. Robust under
// the sanitizers, which keep their own shadow memory outside the count.

#include <cstddef>

namespace loopora::test {

class AllocationMeter {
public:
    AllocationMeter();
    AllocationMeter(const AllocationMeter&) = delete;
    AllocationMeter& operator=(const AllocationMeter&) = delete;

    // The most bytes held at once since the meter was made, beyond what was held then.
    size_t peakBytes() const;

private:
    long long baseline_;
};

} // namespace loopora::test
