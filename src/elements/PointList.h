#pragma once
// The points of an element as they stand: a view into the element's own
// storage, valid until its points change. It compares with and copies into
// a vector of points.

#include "platform/Geometry.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace loopora {

class PointList {
public:
    using value_type = Point;
    using iterator = const Point*;
    using const_iterator = const Point*;

    PointList() = default;
    PointList(const Point* data, size_t size) : data_(data), size_(size) {}
    PointList(const std::vector<Point>& points) : data_(points.data()), size_(points.size()) {}

    const Point* begin() const { return data_; }
    const Point* end() const { return data_ + size_; }
    const Point* data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Point& operator[](size_t i) const { return data_[i]; }
    const Point& front() const { return data_[0]; }
    const Point& back() const { return data_[size_ - 1]; }

    operator std::vector<Point>() const { return {begin(), end()}; }

    friend bool operator==(PointList a, PointList b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

private:
    const Point* data_ = nullptr;
    size_t size_ = 0;
};

} // namespace loopora
