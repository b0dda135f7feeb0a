#pragma once
// Points in square cells, so that the points near a point are found without
// looking at all of them: a 5,000-symbol chart is read within a frame.

#include "pattern/Plane.h"

#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace loopora::pattern::detail {

class PointGrid {
public:
    // Cells as large as the farthest distance asked for.
    explicit PointGrid(double cell) : cell_(cell > 1 ? cell : 1) {}

    void add(Vec p, int id) { cells_[key(cellOf(p.x), cellOf(p.y))].push_back({p, id}); }

    // Calls visit(id, distance) for every point within radius (at most the cell size) of p.
    template <typename Visit>
    void near(Vec p, double radius, Visit&& visit) const
    {
        const int64_t cx = cellOf(p.x), cy = cellOf(p.y);
        for (int64_t dy = -1; dy <= 1; ++dy)
            for (int64_t dx = -1; dx <= 1; ++dx) {
                auto it = cells_.find(key(cx + dx, cy + dy));
                if (it == cells_.end())
                    continue;
                for (const Entry& e : it->second) {
                    const double d = distance(p, e.at);
                    if (d <= radius)
                        visit(e.id, d);
                }
            }
    }

private:
    struct Entry {
        Vec at;
        int id;
    };
    int64_t cellOf(double v) const { return int64_t(std::floor(v / cell_)); }
    static uint64_t key(int64_t x, int64_t y) { return (uint64_t(x) << 32) ^ uint64_t(uint32_t(y)); }

    double cell_;
    std::unordered_map<uint64_t, std::vector<Entry>> cells_;
};

} // namespace loopora::pattern::detail
