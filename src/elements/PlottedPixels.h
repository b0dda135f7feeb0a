#pragma once
// The pixels of a figure that is plotted point by point (chain ovals, slip
// stitches, lenses), kept until what they depend on changes: the two points,
// the pen width and the figure's shape parameter. A chart repaints after
// every command, and walking thousands of ellipses each time would make
// every drag stutter.

#include "platform/Geometry.h"

#include <algorithm>
#include <span>
#include <vector>

namespace loopora {

struct PlotKey {
    Point p0, p1;
    int32_t penWidth = 0;
    double parameter = 0;

    friend bool operator==(const PlotKey&, const PlotKey&) = default;
};

class PlottedPixels {
public:
    // Replots when the key differs from the last one; plot(*this) adds the pixels.
    template <typename Plot>
    const PlottedPixels& refresh(const PlotKey& key, Plot&& plot)
    {
        if (!valid_ || !(key_ == key)) {
            pixels_.clear();
            box_ = {key.p0.x, key.p0.y, key.p0.x, key.p0.y};
            plot(*this);
            key_ = key;
            valid_ = true;
        }
        return *this;
    }

    void add(Point p)
    {
        pixels_.push_back(p);
        box_ = {std::min(box_.left, p.x), std::min(box_.top, p.y), std::max(box_.right, p.x),
                std::max(box_.bottom, p.y)};
    }

    std::span<const Point> pixels() const { return pixels_; }
    // Right and bottom inclusive; it starts at the first point even when
    // nothing is plotted.
    const Rect& box() const { return box_; }

private:
    bool valid_ = false;
    PlotKey key_{};
    std::vector<Point> pixels_;
    Rect box_{};
};

} // namespace loopora
