#include "view/tools/GestureFeedback.h"

#include "platform/DrawingState.h"
#include "view/ChartView.h"
#include "view/ToolRegistry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace loopora {
namespace {

// A line's footprint is cut into stretches this many pixels long.
constexpr int64_t kStretch = 32;

// The part of the segment from a to b within a rectangle, its ends rounded
// outwards along the segment by a pixel; nothing when it misses it.
std::optional<std::pair<Point, Point>> clippedLine(Point a, Point b, const Rect& within)
{
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    double enter = 0, leave = 1;
    // Each edge cuts the parameter range: p * t <= q stays inside.
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {double(a.x) - within.left, double(within.right) - a.x, double(a.y) - within.top,
                        double(within.bottom) - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    const double length = std::max({std::fabs(dx), std::fabs(dy), 1.0});
    enter = std::max(0.0, enter - 1 / length);
    leave = std::min(1.0, leave + 1 / length);
    auto at = [&](double t) { return Point{int32_t(std::lround(a.x + dx * t)), int32_t(std::lround(a.y + dy * t))}; };
    return std::pair{at(enter), at(leave)};
}

} // namespace

ToolDC::ToolDC(CPattraView& view) : view_(view), dc_(view.pixels()) {}

ToolDC::~ToolDC()
{
    if (!drawn_.isEmpty())
        view_.showDeviceArea(drawn_);
}

Point ToolDC::at(Point chart) const { return view_.viewport().deviceOfChart(chart); }

int32_t ToolDC::pixels(int32_t windowPixels) const
{
    return int32_t(std::lround(windowPixels * std::max(1.0, view_.viewport().devicePixelRatio())));
}

void FeedbackShape::draw(CDC& dc, const Viewport& viewport) const
{
    switch (kind) {
    case Kind::Nothing: break;
    case Kind::DottedLine:
    case Kind::Line: {
        DrawingStateSaver saved(dc);
        dc.selectPen({int32_t(kind == Kind::DottedLine ? PenStyle::Dot : PenStyle::Solid), 1, colours::white});
        dc.setRasterOp(RasterOp::XorPen);
        const Point a = viewport.deviceOfChart(from);
        const Point b = viewport.deviceOfChart(to);
        dc.moveTo(a.x, a.y);
        dc.lineTo(b.x, b.y);
        break;
    }
    case Kind::Frame: dc.drawFocusRect(viewport.deviceCovering(frame)); break;
    }
}

std::vector<Rect> FeedbackShape::footprint(const Viewport& viewport) const
{
    switch (kind) {
    case Kind::Nothing: break;
    case Kind::DottedLine:
    case Kind::Line: {
        // Only the part of the line within the window: a line may reach
        // millions of pixels beyond it.
        const Size window = viewport.deviceSize();
        const auto part = clippedLine(viewport.deviceOfChart(from), viewport.deviceOfChart(to),
                                      Rect{0, 0, window.width, window.height}.inflated(2));
        if (!part)
            return {};
        const auto [a, b] = *part;
        const int64_t dx = int64_t(b.x) - a.x;
        const int64_t dy = int64_t(b.y) - a.y;
        const int64_t length = std::max(std::abs(dx), std::abs(dy));
        std::vector<Rect> stretches;
        Point start = a;
        for (int64_t done = 0; done < length || stretches.empty();) {
            done = std::min(length, done + kStretch);
            const Point end = length == 0 ? a
                                          : Point{int32_t(a.x + dx * done / length), int32_t(a.y + dy * done / length)};
            // The rasterised line strays up to a pixel from the stretch's ends.
            const Rect span = Rect::spanned(start, end).normalized();
            stretches.push_back({span.left - 1, span.top - 1, span.right + 2, span.bottom + 2});
            start = end;
        }
        return stretches;
    }
    case Kind::Frame: {
        const Rect r = viewport.deviceCovering(frame).normalized();
        return {{r.left, r.top, r.right, r.top + 1},
                {r.left, r.bottom - 1, r.right, r.bottom},
                {r.left, r.top, r.left + 1, r.bottom},
                {r.right - 1, r.top, r.right, r.bottom}};
    }
    }
    return {};
}

void GestureFeedback::erase(CPattraView& view) const
{
    for (const Rect& r : shown_.footprint(view.viewport()))
        view.restoreDeviceArea(r);
}

void GestureFeedback::show(const FeedbackShape& shape)
{
    CPattraView* view = registry_.view();
    if (!view || shape == shown_)
        return;
    erase(*view);
    ToolDC dc(*view);
    shape.draw(dc.dc(), view->viewport());
    for (const Rect& r : shape.footprint(view->viewport()))
        dc.drew(r);
    shown_ = shape;
}

void GestureFeedback::hide()
{
    if (!shown())
        return;
    if (CPattraView* view = registry_.view())
        erase(*view);
    shown_ = {};
}

void GestureFeedback::repaint(CDC& dc) const
{
    if (CPattraView* view = registry_.view())
        shown_.draw(dc, view->viewport());
}

} // namespace loopora
