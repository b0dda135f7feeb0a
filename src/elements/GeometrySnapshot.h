#pragma once
// The points of some elements and of everything inside them, kept so that a
// change can be taken back exactly. A rotation or a scaling rounds every
// point to whole pixels, and a move or a mirror clamps points at the edge of
// the drawable area, so applying the opposite change would not give the old
// points back; restoring a snapshot does.

#include "elements/ChartElement.h"

#include <span>
#include <utility>
#include <vector>

namespace loopora {

class GeometrySnapshot {
public:
    GeometrySnapshot() = default;
    explicit GeometrySnapshot(std::span<CChartElement* const> roots);

    bool taken() const { return taken_; }
    // Puts every point back as it was. The elements must still be the ones,
    // with the same children, that the snapshot was taken of: a command's
    // undo and redo find the tree as its own Do and Undo left it.
    void restore() const;

private:
    struct Entry {
        CChartElement* element;
        std::vector<Point> points;
    };
    void take(CChartElement& e);

    std::vector<Entry> entries_;
    bool taken_ = false;
};

// True when a change that lands an element's bounds here may have clamped
// some of its points at the edge of the drawable area.
bool reachesCoordinateLimit(const Rect& bounds);

} // namespace loopora
