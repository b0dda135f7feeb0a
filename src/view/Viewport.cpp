#include "view/Viewport.h"

#include "platform/Numeric.h"
#include "platform/PixelBlocks.h"

#include <algorithm>
#include <cmath>

namespace loopora {
namespace {

// Device and window positions stay far inside 32 bits whatever a damaged
// chart or a far scroll asks for.
constexpr double kFarthest = double(1 << 30);

int32_t held(double v) { return int32_t(std::clamp(v, -kFarthest, kFarthest)); }
int32_t floorOf(double v) { return held(std::floor(v)); }
int32_t ceilOf(double v) { return held(std::ceil(v)); }

} // namespace

bool Viewport::setWindow(Size client, double devicePixelRatio)
{
    client = {std::max(0, client.width), std::max(0, client.height)};
    if (!(devicePixelRatio > 0) || !std::isfinite(devicePixelRatio))
        devicePixelRatio = 1;
    if (client == client_ && devicePixelRatio == ratio_)
        return false;
    client_ = client;
    ratio_ = devicePixelRatio;
    resetRange();
    return true;
}

void Viewport::setSheet(Size sheet, Point origin)
{
    sheet_ = {std::max(0, sheet.width), std::max(0, sheet.height)};
    origin_ = origin;
    anchor_.reset();
    resetRange();
}

Size Viewport::deviceSize() const { return {ceilOf(client_.width * ratio_), ceilOf(client_.height * ratio_)}; }

Size Viewport::shownSheet() const
{
    // Rounded up, so that the scroll range reaches the sheet's last pixel.
    return {int32_t((int64_t(sheet_.width) * percent_ + 99) / 100),
            int32_t((int64_t(sheet_.height) * percent_ + 99) / 100)};
}

void Viewport::resetRange()
{
    const Size shown = shownSheet();
    const Point natural{std::max(0, shown.width - client_.width), std::max(0, shown.height - client_.height)};
    range_ = {std::min(0, scroll_.x), std::min(0, scroll_.y), std::max(natural.x, scroll_.x),
              std::max(natural.y, scroll_.y)};
}

void Viewport::zoomAbout(int32_t percent, Point anchor)
{
    percent = std::clamp(percent, kSmallestPercent, kLargestPercent);
    // The anchor pixel's top-left corner, as a sheet point: between levels
    // that are whole multiples of each other it stays exactly where it was.
    const ShapePoint corner{double(anchor.x), double(anchor.y)};
    const bool again = anchor_ && anchor_->window == anchor && anchor_->percent == percent_ && anchor_->scroll == scroll_;
    const ShapePoint kept = again ? anchor_->sheet : windowToSheet(corner);
    percent_ = percent;
    scroll_ = {held(std::round(kept.x * scale() - corner.x)), held(std::round(kept.y * scale() - corner.y))};
    anchor_ = Anchor{anchor, kept, percent_, scroll_};
    resetRange();
}

void Viewport::zoomToCorner(int32_t percent)
{
    percent_ = std::clamp(percent, kSmallestPercent, kLargestPercent);
    scroll_ = {};
    resetRange();
}

void Viewport::scrollTo(Point position)
{
    const Point within{std::clamp(position.x, range_.left, range_.right),
                       std::clamp(position.y, range_.top, range_.bottom)};
    scroll_ = within;
}

ScrollBars Viewport::scrollBars() const
{
    return {{range_.left, range_.top}, {range_.right, range_.bottom}, client_, scroll_};
}

int32_t Viewport::fittingPercent() const
{
    if (sheet_.width <= 0 || sheet_.height <= 0)
        return 100;
    const int64_t across = int64_t(client_.width) * 100 / sheet_.width;
    const int64_t down = int64_t(client_.height) * 100 / sheet_.height;
    return int32_t(std::clamp<int64_t>(std::min(across, down), kSmallestPercent, kLargestPercent));
}

bool Viewport::showsWholeSheet() const
{
    const Size shown = shownSheet();
    return scroll_.x <= 0 && scroll_.y <= 0 && int64_t(shown.width) - scroll_.x <= client_.width &&
           int64_t(shown.height) - scroll_.y <= client_.height;
}

Point Viewport::windowToChart(Point window) const
{
    const int64_t x = floorDivide((int64_t(window.x) + scroll_.x) * 100, percent_);
    const int64_t y = floorDivide((int64_t(window.y) + scroll_.y) * 100, percent_);
    return {clampCoordinate(x - origin_.x), clampCoordinate(y - origin_.y)};
}

ShapePoint Viewport::windowToSheet(ShapePoint window) const
{
    return {(window.x + scroll_.x) * 100.0 / percent_, (window.y + scroll_.y) * 100.0 / percent_};
}

ShapePoint Viewport::sheetToWindow(ShapePoint sheet) const
{
    return {sheet.x * percent_ / 100.0 - scroll_.x, sheet.y * percent_ / 100.0 - scroll_.y};
}

Point Viewport::deviceOfChart(Point chart) const
{
    const ShapePoint w = sheetToWindow({chart.x + origin_.x + 0.5, chart.y + origin_.y + 0.5});
    return {floorOf(w.x * ratio_), floorOf(w.y * ratio_)};
}

Rect Viewport::deviceCovering(const Rect& chartRect) const
{
    const Rect r = chartRect.normalized();
    const ShapePoint from = sheetToWindow({double(r.left) + origin_.x, double(r.top) + origin_.y});
    const ShapePoint to = sheetToWindow({double(r.right) + origin_.x, double(r.bottom) + origin_.y});
    return {floorOf(from.x * ratio_), floorOf(from.y * ratio_), ceilOf(to.x * ratio_), ceilOf(to.y * ratio_)};
}

Rect Viewport::chartCovering(const Rect& deviceRect) const
{
    const ShapePoint from = windowToSheet({deviceRect.left / ratio_, deviceRect.top / ratio_});
    const ShapePoint to = windowToSheet({deviceRect.right / ratio_, deviceRect.bottom / ratio_});
    return {floorOf(from.x) - origin_.x, floorOf(from.y) - origin_.y, ceilOf(to.x) - origin_.x,
            ceilOf(to.y) - origin_.y};
}

Rect Viewport::deviceOfWindow(const Rect& r) const
{
    return {floorOf(r.left * ratio_), floorOf(r.top * ratio_), ceilOf(r.right * ratio_), ceilOf(r.bottom * ratio_)};
}

Rect Viewport::windowOfDevice(const Rect& r) const
{
    return {floorOf(r.left / ratio_), floorOf(r.top / ratio_), ceilOf(r.right / ratio_), ceilOf(r.bottom / ratio_)};
}

bool Viewport::deviceIsSheet() const { return percent_ == 100 && ratio_ == 1; }

} // namespace loopora
