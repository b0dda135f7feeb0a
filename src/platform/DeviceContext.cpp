#include "platform/DeviceContext.h"

#include <utility>

namespace loopora {

void CDC::restore()
{
    if (saved_.empty())
        return;
    attributes_ = saved_.back();
    saved_.pop_back();
}

Pen CDC::selectPen(const Pen& pen) { return std::exchange(attributes_.pen, pen); }
Brush CDC::selectBrush(const Brush& brush) { return std::exchange(attributes_.brush, brush); }
RasterOp CDC::setRasterOp(RasterOp op) { return std::exchange(attributes_.rasterOp, op); }
BackgroundMode CDC::setBackgroundMode(BackgroundMode mode) { return std::exchange(attributes_.backgroundMode, mode); }
Colour CDC::setBackgroundColour(Colour c) { return std::exchange(attributes_.backgroundColour, c); }
Colour CDC::setTextColour(Colour c) { return std::exchange(attributes_.textColour, c); }
Point CDC::setWindowOrigin(Point origin) { return std::exchange(windowOrigin_, origin); }
Point CDC::setViewportOrigin(Point origin) { return std::exchange(viewportOrigin_, origin); }

Point CDC::logicalToDevice(Point p) const
{
    return {p.x - windowOrigin_.x + viewportOrigin_.x, p.y - windowOrigin_.y + viewportOrigin_.y};
}

Point CDC::deviceToLogical(Point p) const
{
    return {p.x - viewportOrigin_.x + windowOrigin_.x, p.y - viewportOrigin_.y + windowOrigin_.y};
}

Rect CDC::logicalToDevice(const Rect& r) const
{
    Point a = logicalToDevice(Point{r.left, r.top});
    Point b = logicalToDevice(Point{r.right, r.bottom});
    return {a.x, a.y, b.x, b.y};
}

} // namespace loopora
