#pragma once
// The pens elements draw with, each kept once. A chart of a million strokes
// draws them with a handful of pens, so an element keeps the number of its
// pen in this table rather than the pen itself.

#include "platform/Colour.h"

#include <cstddef>
#include <cstdint>

namespace loopora {

struct PenAttributes {
    int32_t penWidth = 1;
    Colour penColour = colours::black;
    int32_t penStyle = 0;

    friend bool operator==(const PenAttributes&, const PenAttributes&) = default;
};

using PenId = uint32_t;

class PenTable {
public:
    // The default pen (width 1, black, solid).
    static constexpr PenId kDefaultPen = 0;

    // The number of the pen, which joins the table the first time it is asked for.
    static PenId idOf(const PenAttributes& pen);
    static const PenAttributes& pen(PenId id);
    // How many different pens the program has met.
    static size_t size();
};

} // namespace loopora
