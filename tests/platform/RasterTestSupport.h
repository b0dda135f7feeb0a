#pragma once
// Small helpers for the raster device context tests: pixel sets, pictures for
// failure messages and connectivity checks.

#include "platform/RasterDC.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace loopora::testing {

using PixelSet = std::set<std::pair<int, int>>; // (x, y)

constexpr Colour kPaper = colours::white;
constexpr Colour kInk = colours::black;
constexpr Colour kFill = colours::green;

inline PixelSet pixelsOf(const PixelBuffer& b, Colour c)
{
    PixelSet s;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.colourAt(x, y) == c)
                s.insert({x, y});
    return s;
}

inline PixelSet pixelsNot(const PixelBuffer& b, Colour c)
{
    PixelSet s;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.colourAt(x, y) != c)
                s.insert({x, y});
    return s;
}

// The buffer as text: '.' paper, '#' ink, 'o' fill, '?' anything else.
inline std::string picture(const PixelBuffer& b)
{
    std::string s = "\n";
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const Colour c = b.colourAt(x, y);
            s += c == kPaper ? '.' : c == kInk ? '#' : c == kFill ? 'o' : '?';
        }
        s += '\n';
    }
    return s;
}

struct Bounds {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom excluded

    friend bool operator==(const Bounds&, const Bounds&) = default;
};

inline Bounds boundsOf(const PixelSet& s)
{
    if (s.empty())
        return {};
    Bounds b{s.begin()->first, s.begin()->second, s.begin()->first + 1, s.begin()->second + 1};
    for (auto [x, y] : s) {
        b.left = std::min(b.left, x);
        b.top = std::min(b.top, y);
        b.right = std::max(b.right, x + 1);
        b.bottom = std::max(b.bottom, y + 1);
    }
    return b;
}

// How many 8-connected pieces the set falls into.
inline int pieces8(PixelSet s)
{
    int count = 0;
    while (!s.empty()) {
        ++count;
        PixelSet frontier{*s.begin()};
        s.erase(s.begin());
        while (!frontier.empty()) {
            auto [x, y] = *frontier.begin();
            frontier.erase(frontier.begin());
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    auto it = s.find({x + dx, y + dy});
                    if (it != s.end()) {
                        frontier.insert(*it);
                        s.erase(it);
                    }
                }
        }
    }
    return count;
}

inline PixelSet row(int y, int x0, int x1) // x0..x1 inclusive
{
    PixelSet s;
    for (int x = x0; x <= x1; ++x)
        s.insert({x, y});
    return s;
}

inline PixelSet column(int x, int y0, int y1)
{
    PixelSet s;
    for (int y = y0; y <= y1; ++y)
        s.insert({x, y});
    return s;
}

inline PixelSet unite(PixelSet a, const PixelSet& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

inline Pen pen(int width, PenStyle style = PenStyle::Solid, Colour c = kInk)
{
    return Pen{int32_t(style), width, c};
}

} // namespace loopora::testing
