#include "platform/ShapeWindow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>

namespace loopora {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

double normalAngle(double t)
{
    t = std::fmod(t, kTurn);
    return t < 0 ? t + kTurn : t;
}

bool drawable(const ShapeEllipse& e) { return e.along > 0 && e.across > 0; }

// A shape at or beyond infinity shows nowhere.
bool finite(ShapePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool finite(const ShapeEllipse& e)
{
    return finite(e.centre) && std::isfinite(e.along) && std::isfinite(e.across) && std::isfinite(e.angle);
}

bool encloses(const ShapeEllipse& e, ShapePoint p)
{
    const double dx = p.x - e.centre.x;
    const double dy = p.y - e.centre.y;
    const double u = (dx * std::cos(e.angle) + dy * std::sin(e.angle)) / e.along;
    const double v = (dy * std::cos(e.angle) - dx * std::sin(e.angle)) / e.across;
    return u * u + v * v <= 1;
}

// The angles at which the ellipse crosses the lines the box's edges lie on,
// in [0, 2 pi), sorted. The point at t is centre + (ax, ay) cos t + (bx, by) sin t.
std::vector<double> edgeCrossings(const ShapeEllipse& e, const ShapeBox& box)
{
    const double ca = std::cos(e.angle);
    const double sa = std::sin(e.angle);
    const double ax = e.along * ca, bx = -e.across * sa;
    const double ay = e.along * sa, by = e.across * ca;
    std::vector<double> out;
    // a cos t + b sin t = k, that is r cos(t - phi) = k.
    auto cross = [&](double a, double b, double k) {
        const double r = std::hypot(a, b);
        if (!(r > 0) || std::fabs(k) > r)
            return;
        const double phi = std::atan2(b, a);
        const double d = std::acos(k / r);
        out.push_back(normalAngle(phi + d));
        out.push_back(normalAngle(phi - d));
    };
    cross(ax, bx, box.left - e.centre.x);
    cross(ax, bx, box.right - e.centre.x);
    cross(ay, by, box.top - e.centre.y);
    cross(ay, by, box.bottom - e.centre.y);
    std::sort(out.begin(), out.end());
    return out;
}

// Where a point of the box's edge lies along it, clockwise from the top-left corner.
double around(const ShapeBox& b, ShapePoint p)
{
    const double w = b.right - b.left;
    const double h = b.bottom - b.top;
    const double distances[] = {std::fabs(p.y - b.top), std::fabs(p.x - b.right), std::fabs(p.y - b.bottom),
                                std::fabs(p.x - b.left)};
    const size_t edge = size_t(std::min_element(std::begin(distances), std::end(distances)) - std::begin(distances));
    switch (edge) {
    case 0: return std::clamp(p.x - b.left, 0.0, w);
    case 1: return w + std::clamp(p.y - b.top, 0.0, h);
    case 2: return w + h + std::clamp(b.right - p.x, 0.0, w);
    default: return 2 * w + h + std::clamp(b.bottom - p.y, 0.0, h);
    }
}

// Straight runs along the box's edge, clockwise from one point of it to another.
void walkEdge(const ShapeBox& b, ShapePoint from, ShapePoint to, std::vector<OutlinePiece>& pieces)
{
    const double w = b.right - b.left;
    const double h = b.bottom - b.top;
    const double perimeter = 2 * (w + h);
    const double start = around(b, from);
    double end = around(b, to);
    // A point reached again a rounding error short is not a whole lap away.
    if (end < start && start - end > 1e-9 * perimeter)
        end += perimeter;
    end = std::max(end, start);
    const std::array<std::pair<double, ShapePoint>, 4> corners{{{w, {b.right, b.top}},
                                                                 {w + h, {b.right, b.bottom}},
                                                                 {2 * w + h, {b.left, b.bottom}},
                                                                 {perimeter, {b.left, b.top}}}};
    for (int lap = 0; lap < 2; ++lap)
        for (const auto& [at, corner] : corners)
            if (at + lap * perimeter > start && at + lap * perimeter < end)
                pieces.push_back({false, 0, 0, corner});
    pieces.push_back({false, 0, 0, to});
}

} // namespace

std::vector<std::pair<double, double>> arcsWithin(const ShapeEllipse& e, const ShapeBox& box)
{
    std::vector<std::pair<double, double>> arcs;
    if (!drawable(e))
        return arcs;
    const std::vector<double> crossings = edgeCrossings(e, box);
    if (crossings.empty()) {
        if (box.contains(e.at(0)))
            arcs.push_back({0, kTurn});
        return arcs;
    }
    // The stretches between crossings that lie inside, as (from, to).
    std::vector<std::pair<double, double>> inside;
    for (size_t i = 0; i < crossings.size(); ++i) {
        const double from = crossings[i];
        const double to = i + 1 < crossings.size() ? crossings[i + 1] : crossings[0] + kTurn;
        if (!(to > from) || !box.contains(e.at((from + to) / 2)))
            continue;
        // Stretches that meet where the ellipse only crossed an edge's line
        // beyond the box are one arc.
        if (!inside.empty() && inside.back().second == from)
            inside.back().second = to;
        else
            inside.push_back({from, to});
    }
    if (inside.size() > 1 && inside.back().second == inside.front().first + kTurn) {
        inside.front() = {inside.back().first, inside.front().second + kTurn};
        inside.pop_back();
    }
    for (const auto& [from, to] : inside)
        arcs.push_back({from, to - from});
    return arcs;
}

RegionOutline ellipseWithin(const ShapeEllipse& e, const ShapeBox& box)
{
    RegionOutline region;
    if (!drawable(e) || !box.meets(e.box()))
        return region;
    const std::vector<std::pair<double, double>> arcs = arcsWithin(e, box);
    if (arcs.empty()) {
        // The outline misses the box: the box lies wholly inside or wholly outside.
        const ShapePoint middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        if (encloses(e, middle)) {
            region.start = {box.left, box.top};
            for (ShapePoint corner : {ShapePoint{box.right, box.top}, ShapePoint{box.right, box.bottom},
                                      ShapePoint{box.left, box.bottom}, region.start})
                region.pieces.push_back({false, 0, 0, corner});
        }
        return region;
    }
    region.start = e.at(arcs.front().first);
    for (size_t i = 0; i < arcs.size(); ++i) {
        const auto [from, sweep] = arcs[i];
        region.pieces.push_back({true, from, sweep, e.at(from + sweep)});
        if (sweep < kTurn)
            walkEdge(box, region.pieces.back().to, e.at(arcs[(i + 1) % arcs.size()].first), region.pieces);
    }
    return region;
}

void ShapesInWindow::line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke)
{
    const ShapeBox box{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)};
    if (window_.holds(box)) {
        out_.line(from, to, stroke);
        return;
    }
    if (!finite(from) || !finite(to) || !window_.meets(box))
        return;
    // The part of the segment inside the window, as fractions t0 .. t1 of it.
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double t0 = 0, t1 = 1;
    const std::pair<double, double> limits[] = {{-dx, from.x - window_.left},
                                                {dx, window_.right - from.x},
                                                {-dy, from.y - window_.top},
                                                {dy, window_.bottom - from.y}};
    for (const auto& [p, q] : limits) {
        if (p == 0) {
            if (q < 0)
                return;
            continue;
        }
        const double r = q / p;
        if (p < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
    }
    if (t0 > t1)
        return;
    // A dashed line starts a whole number of patterns before the window, so
    // its dashes stay where they were.
    const std::vector<double> steps = dashSteps(stroke.dash);
    const double length = std::hypot(dx, dy);
    const double period = std::accumulate(steps.begin(), steps.end(), 0.0) * stroke.dashStep;
    if (t0 > 0 && period > 0 && length > 0)
        t0 = std::floor(t0 * length / period) * period / length;
    out_.line({from.x + t0 * dx, from.y + t0 * dy}, {from.x + t1 * dx, from.y + t1 * dy}, stroke);
}

void ShapesInWindow::ellipse(const ShapeEllipse& e, const ShapeStroke& stroke)
{
    if (!finite(e))
        return;
    if (!drawable(e) || window_.holds(e.box())) {
        out_.ellipse(e, stroke);
        return;
    }
    if (!window_.meets(e.box()))
        return;
    for (const auto& [from, sweep] : arcsWithin(e, window_)) {
        if (sweep >= kTurn)
            out_.ellipse(e, stroke);
        else
            out_.ellipseArc(e, from, sweep, stroke);
    }
}

void ShapesInWindow::filledEllipse(const ShapeEllipse& e, Colour fill)
{
    if (!finite(e))
        return;
    if (!drawable(e) || window_.holds(e.box()))
        out_.filledEllipse(e, fill);
    else if (window_.meets(e.box()))
        out_.filledEllipseWithin(e, fill, window_);
}

void ShapesInWindow::filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window)
{
    const ShapeBox both{std::max(window.left, window_.left), std::max(window.top, window_.top),
                        std::min(window.right, window_.right), std::min(window.bottom, window_.bottom)};
    if (finite(e) && both.left <= both.right && both.top <= both.bottom && both.meets(e.box()))
        out_.filledEllipseWithin(e, fill, both);
}

// A polygon crossing the window is cut to it edge by edge (the part of a
// convex or any simple polygon inside a box, as Sutherland and Hodgman cut it).
void ShapesInWindow::filledPolygon(std::span<const ShapePoint> corners, Colour fill)
{
    if (corners.empty() || !std::all_of(corners.begin(), corners.end(), [](ShapePoint p) { return finite(p); }))
        return;
    if (std::all_of(corners.begin(), corners.end(), [this](ShapePoint p) { return window_.contains(p); })) {
        out_.filledPolygon(corners, fill);
        return;
    }
    std::vector<ShapePoint> cut(corners.begin(), corners.end());
    // Each edge of the window as the side of a line that is kept: a point's
    // distance inside it, and where a segment crosses it.
    for (int edge = 0; edge < 4 && !cut.empty(); ++edge) {
        auto inside = [&](ShapePoint p) {
            switch (edge) {
            case 0: return p.x - window_.left;
            case 1: return window_.right - p.x;
            case 2: return p.y - window_.top;
            default: return window_.bottom - p.y;
            }
        };
        std::vector<ShapePoint> kept;
        for (size_t i = 0; i < cut.size(); ++i) {
            const ShapePoint a = cut[i];
            const ShapePoint b = cut[(i + 1) % cut.size()];
            const double da = inside(a), db = inside(b);
            if (da >= 0)
                kept.push_back(a);
            if ((da >= 0) != (db >= 0)) {
                const double t = da / (da - db);
                kept.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
            }
        }
        cut = std::move(kept);
    }
    if (cut.size() >= 3)
        out_.filledPolygon(cut, fill);
}

void ShapesInWindow::ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke)
{
    if (!finite(e) || !std::isfinite(from) || !std::isfinite(sweep))
        return;
    if (!drawable(e) || window_.holds(e.box())) {
        out_.ellipseArc(e, from, sweep, stroke);
        return;
    }
    if (!window_.meets(e.box()))
        return;
    if (std::fabs(sweep) >= kTurn) {
        ellipse(e, stroke);
        return;
    }
    // The arc clockwise from `first`, then its parts on the arcs inside the window.
    const double first = normalAngle(sweep < 0 ? from + sweep : from);
    const double last = first + std::fabs(sweep);
    for (const auto& [start, length] : arcsWithin(e, window_))
        for (double lap : {-kTurn, 0.0, kTurn}) {
            const double lo = std::max(first, start + lap);
            const double hi = std::min(last, start + length + lap);
            if (hi > lo)
                out_.ellipseArc(e, lo, hi - lo, stroke);
        }
}

void ShapesInWindow::rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke)
{
    const ShapeBox box{std::min(corner.x, opposite.x), std::min(corner.y, opposite.y), std::max(corner.x, opposite.x),
                       std::max(corner.y, opposite.y)};
    if (!finite(corner) || !finite(opposite) || !window_.meets(box))
        return;
    // Sides beyond the window move onto its edge, where they cannot show either.
    auto held = [this](ShapePoint p) {
        return ShapePoint{std::clamp(p.x, window_.left, window_.right), std::clamp(p.y, window_.top, window_.bottom)};
    };
    out_.rectangle(held(corner), held(opposite), stroke);
}

void ShapesInWindow::text(const ShapeText& text)
{
    double width = 0;
    for (const ShapeText::Line& line : text.lines)
        width = std::max(width, line.width);
    // Glyphs may reach a little beyond their advances and cells.
    const double reach = text.fontPixels + 1;
    const ShapeBox box{text.left - reach, text.top - reach, text.left + width + reach,
                       text.top + double(text.lines.size()) * text.lineStep + text.cellHeight + reach};
    if (window_.meets(box))
        out_.text(text);
}

} // namespace loopora
