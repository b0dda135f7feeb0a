#pragma once
// What the open charts read as patterns, each read again only after its
// history moved on (a finished edit, an undo, a redo), never while the
// pointer moves.

#include "document/Canvas.h"
#include "pattern/PatternReading.h"

#include <memory>
#include <unordered_map>

namespace loopora::app {

class ChartReadings {
public:
    std::shared_ptr<const pattern::PatternReading> of(CCanvas& canvas);
    // How many times a chart was read.
    size_t reads() const { return reads_; }
    // Forgets the charts not among these.
    template <typename Range>
    void keepOnly(const Range& open)
    {
        std::unordered_map<const CCanvas*, Kept> kept;
        for (const CCanvas* c : open)
            if (auto it = kept_.find(c); it != kept_.end())
                kept.insert(*it);
        kept_ = std::move(kept);
    }

private:
    struct Kept {
        uint64_t stamp = 0;
        std::shared_ptr<const pattern::PatternReading> reading;
    };
    std::unordered_map<const CCanvas*, Kept> kept_;
    size_t reads_ = 0;
};

} // namespace loopora::app
