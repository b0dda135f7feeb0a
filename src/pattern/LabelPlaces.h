#pragma once
// Places for small square labels, such as round numbers, beside the points
// they name: each clear of every box given and of the labels placed before
// it, as near its point as there is room.

#include "pattern/Plane.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace loopora::pattern {

struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    // Sharing an edge is not overlapping.
    bool overlaps(const Box& b) const { return left < b.right && b.left < right && top < b.bottom && b.top < bottom; }
    static Box around(Vec centre, double size)
    {
        const double h = size / 2;
        return {centre.x - h, centre.y - h, centre.x + h, centre.y + h};
    }
};

class LabelPlaces {
public:
    // Labels stay within the area, where there is room in it.
    LabelPlaces(double labelSize, const std::vector<Box>& obstacles, std::optional<Box> area = std::nullopt);

    // The centre of a free place for a label naming `point`: the nearest
    // within a few labels' sizes (at equal distances the one most
    // `outwards`); else the first free one going outwards from the point,
    // so that labels crowded out of a dense chart line up beyond its edge
    // in the order they were placed; else the nearest free one anywhere in
    // the area; else, in an area with no room, the nearest one in it over
    // the fewest obstacles and clear of the other labels. The place is taken.
    Vec place(Vec point, Vec outwards);

    // Whether a label centred there would lie in the area and overlap nothing.
    bool isFree(Vec centre) const;

private:
    void add(const Box& box, bool label);
    // The obstacles a label centred there overlaps; -1 when it leaves the
    // area or overlaps a label.
    int overlapped(Vec centre) const;
    int64_t cellOf(double v) const;
    static uint64_t key(int64_t x, int64_t y) { return (uint64_t(x) << 32) ^ uint64_t(uint32_t(y)); }

    double size_;
    double cell_;
    std::vector<Box> boxes_;
    std::vector<bool> isLabel_;
    std::unordered_map<uint64_t, std::vector<int>> cells_;
    std::optional<Box> area_;
    Box bounds_{1e300, 1e300, -1e300, -1e300};
};

} // namespace loopora::pattern
