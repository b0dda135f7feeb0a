#pragma once
// Points and rectangles in whole pixels with the rules charts were drawn by:
// a rectangle includes its left and top edges and excludes its right and bottom.

#include <algorithm>
#include <cstdint>

namespace loopora {

struct Point {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;

    int64_t width() const { return int64_t(right) - left; }
    int64_t height() const { return int64_t(bottom) - top; }

    // Empty: no pixel inside (zero or negative width or height).
    bool isEmpty() const { return right <= left || bottom <= top; }
    // All four values zero, the rectangle that bounds nothing.
    bool isNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }

    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    Rect normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    Rect inflated(int32_t d) const { return {left - d, top - d, right + d, bottom + d}; }
    Rect offset(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }

    // The smallest rectangle holding both; an empty rectangle takes no part,
    // and two empty ones give the null rectangle.
    static Rect united(const Rect& a, const Rect& b)
    {
        if (a.isEmpty())
            return b.isEmpty() ? Rect{} : b;
        if (b.isEmpty())
            return a;
        return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
    }

    // The common part, or the null rectangle when they do not overlap.
    static Rect intersected(const Rect& a, const Rect& b)
    {
        Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
        return r.isEmpty() ? Rect{} : r;
    }

    // The rectangle spanned by two corner points (in the order given).
    static Rect spanned(Point a, Point b) { return {a.x, a.y, b.x, b.y}; }
};

} // namespace loopora
