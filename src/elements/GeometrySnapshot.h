#pragma once
// The points of some elements and of everything inside them, kept so that a
// change can be taken back exactly: a rotation or a scaling rounds every
// point to whole pixels, and a move or a mirror clamps points at the edge of
// the drawable area, so applying the opposite change would not give the old
// points back; restoring a snapshot does.
//
// A move of a whole chart keeps a snapshot of every element twice, so it
// holds no pointers: only each element's point count and the points, in the
// order a walk over the elements and their children meets them.

#include "elements/ChartElement.h"

#include <cstdint>
#include <span>
#include <vector>

namespace loopora {

class GeometrySnapshot {
public:
    GeometrySnapshot() = default;
    explicit GeometrySnapshot(std::span<CChartElement* const> roots);

    bool taken() const { return taken_; }
    // Puts every point back as it was. roots must be the list the snapshot
    // was taken of, and the elements must have the same children: a
    // command's undo and redo find the tree as its own Do and Undo left it.
    void restore(std::span<CChartElement* const> roots) const;

private:
    std::vector<uint32_t> counts_;
    std::vector<Point> points_;
    bool taken_ = false;
};

} // namespace loopora
