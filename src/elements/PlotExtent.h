#pragma once
// The box of the pixels of a figure that is plotted point by point (chain
// ovals, slip stitches, lenses), kept until what it depends on changes: the
// two points, the pen width and the figure's shape parameter. Hit tests and
// group frames ask for it far more often than the figure changes. Only the
// box is kept, never the pixels.

#include "platform/Geometry.h"

namespace loopora {

struct PlotKey {
    Point p0, p1;
    int32_t penWidth = 0;
    double parameter = 0;

    friend bool operator==(const PlotKey&, const PlotKey&) = default;
};

class PlotExtent {
public:
    // The box for key: measure() when the key differs from the last one.
    template <typename Measure>
    const Rect& refresh(const PlotKey& key, Measure&& measure)
    {
        if (!valid_ || !(key_ == key)) {
            box_ = measure();
            key_ = key;
            valid_ = true;
        }
        return box_;
    }

private:
    bool valid_ = false;
    PlotKey key_{};
    Rect box_{};
};

} // namespace loopora
