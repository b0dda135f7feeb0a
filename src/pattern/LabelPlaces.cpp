// The boxes are kept in square cells two labels wide, so that asking what
// lies under a label looks at a few boxes rather than every symbol of the
// chart; the searches then afford a quarter of a label's steps.

#include "pattern/LabelPlaces.h"

#include <algorithm>
#include <cmath>

namespace loopora::pattern {
namespace {

constexpr double kStep = 0.25;     // of a label's size
constexpr double kNearby = 3;      // labels' sizes a label looks round its point
constexpr int64_t kMostCells = 1 << 16; // a box larger than this many cells is tested on its own

} // namespace

LabelPlaces::LabelPlaces(double labelSize, const std::vector<Box>& obstacles, std::optional<Box> area)
    : size_(std::max(labelSize, 1.0)), cell_(2 * size_), area_(area)
{
    for (const Box& b : obstacles)
        add(b, false);
}

int64_t LabelPlaces::cellOf(double v) const
{
    return int64_t(std::floor(v / cell_));
}

void LabelPlaces::add(const Box& box, bool label)
{
    if (!(box.right >= box.left && box.bottom >= box.top))
        return;
    const int id = int(boxes_.size());
    boxes_.push_back(box);
    isLabel_.push_back(label);
    bounds_ = {std::min(bounds_.left, box.left), std::min(bounds_.top, box.top), std::max(bounds_.right, box.right),
               std::max(bounds_.bottom, box.bottom)};
    const int64_t x0 = cellOf(box.left), x1 = cellOf(box.right), y0 = cellOf(box.top), y1 = cellOf(box.bottom);
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMostCells) {
        cells_[key(INT32_MIN, INT32_MIN)].push_back(id);
        return;
    }
    for (int64_t y = y0; y <= y1; ++y)
        for (int64_t x = x0; x <= x1; ++x)
            cells_[key(x, y)].push_back(id);
}

int LabelPlaces::overlapped(Vec centre) const
{
    const Box label = Box::around(centre, size_);
    if (area_ && (label.left < area_->left || label.top < area_->top || label.right > area_->right || label.bottom > area_->bottom))
        return -1;
    std::vector<int> under; // a box lying over several cells is met in each
    auto look = [&](uint64_t cell) {
        const auto it = cells_.find(cell);
        if (it == cells_.end())
            return true;
        for (int id : it->second) {
            if (!boxes_[size_t(id)].overlaps(label))
                continue;
            if (isLabel_[size_t(id)])
                return false;
            under.push_back(id);
        }
        return true;
    };
    if (!look(key(INT32_MIN, INT32_MIN)))
        return -1;
    for (int64_t y = cellOf(label.top); y <= cellOf(label.bottom); ++y)
        for (int64_t x = cellOf(label.left); x <= cellOf(label.right); ++x)
            if (!look(key(x, y)))
                return -1;
    std::sort(under.begin(), under.end());
    return int(std::unique(under.begin(), under.end()) - under.begin());
}

bool LabelPlaces::isFree(Vec centre) const
{
    return overlapped(centre) == 0;
}

Vec LabelPlaces::place(Vec point, Vec outwards)
{
    const double step = size_ * kStep;
    if (outwards.length() < 1e-9)
        outwards = {0, -1};
    outwards = outwards * (1 / outwards.length());
    auto take = [&](Vec centre) {
        add(Box::around(centre, size_), true);
        return centre;
    };
    // Rings about the point out to that distance, each tried from the
    // outward side on.
    const double ahead = std::atan2(outwards.y, outwards.x);
    auto nearest = [&](double reach, double spacing) -> std::optional<Vec> {
        for (int ring = 0; ring * spacing <= reach; ++ring) {
            const double radius = ring * spacing;
            const int around = ring == 0 ? 1 : int(std::ceil(2 * kPi * radius / spacing));
            for (int j = 0; j < around; ++j) {
                const int k = (j + 1) / 2 * (j % 2 ? 1 : -1);
                const double a = ahead + 2 * kPi * k / around;
                const Vec centre = point + Vec{std::cos(a), std::sin(a)} * radius;
                if (isFree(centre))
                    return centre;
            }
        }
        return std::nullopt;
    };
    if (const std::optional<Vec> near = nearest(kNearby * size_, step))
        return take(*near);
    // Past everything there is room.
    Box all = bounds_;
    if (area_)
        all = {std::min(all.left, area_->left), std::min(all.top, area_->top), std::max(all.right, area_->right),
               std::max(all.bottom, area_->bottom)};
    const double farthest = std::max({distance(point, {all.left, all.top}), distance(point, {all.right, all.top}),
                                      distance(point, {all.left, all.bottom}), distance(point, {all.right, all.bottom})}) +
                            size_;
    for (double along = 0; along < farthest; along += step)
        if (isFree(point + outwards * along))
            return take(point + outwards * along);
    if (const std::optional<Vec> anywhere = nearest(farthest, step * 2))
        return take(*anywhere);
    if (area_) {
        std::optional<Vec> best;
        int fewest = 0;
        for (double y = area_->top + size_ / 2; y <= area_->bottom - size_ / 2; y += step * 2)
            for (double x = area_->left + size_ / 2; x <= area_->right - size_ / 2; x += step * 2) {
                const int over = overlapped({x, y});
                if (over < 0 || (best && std::make_pair(over, distance({x, y}, point)) >=
                                              std::make_pair(fewest, distance(*best, point))))
                    continue;
                best = Vec{x, y};
                fewest = over;
            }
        if (best)
            return take(*best);
    }
    return take(point + outwards * farthest);
}

} // namespace loopora::pattern
