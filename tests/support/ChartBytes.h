#pragma once
// Chart files written byte by byte, for tests of what the loader and the
// drawing make of files no editor would write.

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

namespace loopora::test {

class ChartBytes {
public:
    // The sheet size, the element count and the canvas header.
    ChartBytes(int32_t width, int32_t height, int32_t count, int32_t background = 1, int32_t spacing = 30)
    {
        ints({width, height, count, background, spacing, 0, 0, width, height});
    }

    ChartBytes& ints(std::initializer_list<int32_t> values)
    {
        for (int32_t v : values)
            raw(&v, 4);
        return *this;
    }
    ChartBytes& real(double v) { return raw(&v, 8); }
    // A type id with the plain body: two points and a pen of the given width, black.
    ChartBytes& plain(int32_t typeId, std::pair<int32_t, int32_t> p, std::pair<int32_t, int32_t> q, int32_t penWidth)
    {
        return ints({typeId, 2, p.first, p.second, q.first, q.second, penWidth, 0, 0});
    }

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    ChartBytes& raw(const void* p, size_t n)
    {
        const auto* b = static_cast<const uint8_t*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
        return *this;
    }

    std::vector<uint8_t> bytes_;
};

} // namespace loopora::test
