// How a chart view fills its window: painting what was invalidated, the
// zoom and the scrolling, all through the one viewport.
//
// At 100 % on a usual screen the window shows the sheet's own pixels, those
// the bitmap export writes. At any other zoom, and on a dense screen, it shows
// the chart's shapes drawn at the window's scale by the painter, unless the
// user asked to see the pixels ("Пиксели"): then the bitmap is drawn at the
// chart's size and each window pixel shows the nearest of its pixels.
// Selection handles and gesture feedback are marks of the editor, not of the
// chart: they are drawn in window pixels at the same size at every zoom.

#include "document/Canvas.h"
#include "platform/PixelBlocks.h"
#include "platform/RasterDC.h"
#include "platform/Texts.h"
#include "view/ChartView.h"
#include "view/tools/Tool.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace loopora {
namespace {

// A chart rectangle no larger than the sheet with this much room around it,
// so that the bitmap of a window zoomed far out stays small.
constexpr int32_t kBitmapRoom = 64;

} // namespace

void CPattraView::updateSheet()
{
    viewport_.setSheet({doc_.chartWidth(), doc_.chartHeight()}, doc_.canvas().origin());
    host_.sheetSized({doc_.chartWidth(), doc_.chartHeight()});
    host_.showScrollBars(viewport_.scrollBars());
}

void CPattraView::setClientSize(Size size)
{
    if (!viewport_.setWindow(size, host_.devicePixelRatio()))
        return;
    pixels_.reset(viewport_.deviceSize());
    host_.update({0, 0, size.width, size.height});
    host_.showScrollBars(viewport_.scrollBars());
}

void CPattraView::scrollTo(Point position)
{
    const Point before = viewport_.scroll();
    viewport_.scrollTo(position);
    if (viewport_.scroll() != position)
        host_.showScrollBars(viewport_.scrollBars());
    scrolledFrom(before);
}

void CPattraView::scrolledFrom(Point before)
{
    const Point now = viewport_.scroll();
    if (now == before)
        return;
    // What stays in view moves the other way, by whole device pixels only;
    // on a screen whose density is not whole, a move may not be.
    const double ratio = viewport_.devicePixelRatio();
    const double dx = (double(before.x) - now.x) * ratio;
    const double dy = (double(before.y) - now.y) * ratio;
    if (dx != std::round(dx) || dy != std::round(dy) || std::fabs(dx) > 1e9 || std::fabs(dy) > 1e9) {
        invalidateAll();
        return;
    }
    // The next repaint draws one rectangle holding what came into view:
    // the window shows all of it afresh, so that it shows what the view drew.
    const Rect invalid = pixels_.shift(int32_t(dx), int32_t(dy));
    if (!invalid.isEmpty())
        host_.update(viewport_.windowOfDevice(invalid));
}

void CPattraView::invalidateDeviceRect(const Rect& deviceRect)
{
    // The next repaint draws the one rectangle holding everything invalid.
    const Rect invalid = pixels_.invalidate(deviceRect);
    if (!invalid.isEmpty())
        host_.update(viewport_.windowOfDevice(invalid));
}

void CPattraView::invalidateWindowRect(const Rect& windowRect)
{
    invalidateDeviceRect(viewport_.deviceOfWindow(windowRect));
}

void CPattraView::invalidateAll()
{
    const Size device = pixels_.size();
    invalidateDeviceRect({0, 0, device.width, device.height});
}

void CPattraView::invalidateChartRect(const Rect& chartRect)
{
    // The bitmap's pens reach a few pixels beyond an element's bounds, and
    // so do its shapes; handles and the shapes' antialiased edges reach a few
    // window pixels further.
    const int32_t reach = showsBitmap() ? 5 : kShapesStray;
    const Rect device = viewport_.deviceCovering(chartRect.normalized().inflated(reach));
    invalidateDeviceRect(device.inflated(handleReach() + 2));
}

void CPattraView::showDeviceArea(const Rect& deviceRect)
{
    const Rect inside = Rect::intersected(deviceRect.normalized(), {0, 0, pixels_.size().width, pixels_.size().height});
    if (!inside.isEmpty())
        host_.update(viewport_.windowOfDevice(inside));
}

void CPattraView::restoreDeviceArea(const Rect& deviceRect)
{
    pixels_.restore(deviceRect);
    showDeviceArea(deviceRect);
}

bool CPattraView::showsBitmap() const { return viewport_.deviceIsSheet() || showPixels_ || !painter_; }

int32_t CPattraView::handleReach() const
{
    return std::max(3, int32_t(std::lround(3 * viewport_.devicePixelRatio())));
}

// --- Painting ---

void CPattraView::paint()
{
    const Rect area = pixels_.takeInvalid();
    if (area.isEmpty())
        return;
    // The window's background is white wherever the chart does not draw.
    PixelBuffer& drawn = pixels_.drawn();
    for (int32_t y = area.top; y < area.bottom; ++y)
        std::fill(drawn.row(y) + area.left, drawn.row(y) + area.right, pixelOf(colours::white));
    bool drew = false;
    try {
        drew = drawChart(area);
    } catch (const std::bad_alloc&) {
        drew = false;
    }
    if (drew) {
        drawingFailed_ = false;
    } else {
        // What was drawn of the area is wiped rather than shown half done;
        // the user hears of it once, not on every repaint that fails again.
        for (int32_t y = area.top; y < area.bottom; ++y)
            std::fill(drawn.row(y) + area.left, drawn.row(y) + area.right, pixelOf(colours::white));
        if (!drawingFailed_)
            host_.drawingFailed(_("Недостаточно памяти, чтобы нарисовать схему."));
        drawingFailed_ = true;
    }
    drawHandles(area);
    // The repaint wiped the gesture's feedback in this area; it is drawn
    // again over the new picture.
    pixels_.restore(area);
    if (CTool* tool = registry_->currentTool()) {
        CRasterDC dc(pixels_.shown());
        dc.setClip(area);
        tool->paintFeedback(dc);
    }
}

bool CPattraView::drawChart(const Rect& area)
{
    if (viewport_.deviceIsSheet()) {
        // The sheet's own pixels, moved by the scroll position.
        CRasterDC dc(pixels_.drawn());
        dc.setClip(area);
        const Point scroll = viewport_.scroll();
        const Point origin = viewport_.origin();
        dc.setViewportOrigin({-scroll.x, -scroll.y});
        dc.setWindowOrigin({-origin.x, -origin.y});
        canvas().drawWithoutHandles(dc);
        return true;
    }
    if (showsBitmap()) {
        drawBitmap(area);
        return true;
    }
    // The shapes of every element that reaches the area: the painter's
    // shapes stray a pixel or two from the bitmap's, and their antialiased
    // edges a device pixel further.
    const double scale = viewport_.deviceScale();
    const Rect chartArea = viewport_.chartCovering(area).inflated(shapesReach(scale));
    return painter_->paint(doc_, pixels_.drawn(), area, {scale, viewport_.deviceOffset()}, chartArea);
}

void CPattraView::drawBitmap(const Rect& area)
{
    Rect chart = viewport_.chartCovering(area);
    if (viewport_.deviceScale() < 1) {
        // Zoomed out, the window reaches far beyond the sheet: the bitmap
        // covers the sheet and a margin, as the export does the sheet.
        const Point origin = viewport_.origin();
        const Size sheet = viewport_.sheet();
        const Rect room = Rect{-origin.x, -origin.y, sheet.width - origin.x, sheet.height - origin.y}.inflated(kBitmapRoom);
        chart = Rect::intersected(chart, room);
        if (chart.isEmpty())
            return;
    }
    PixelBuffer bitmap(int32_t(chart.width()), int32_t(chart.height()), colours::white);
    CRasterDC dc(bitmap);
    dc.setWindowOrigin({chart.left, chart.top});
    canvas().drawWithoutHandles(dc);
    // Window pixel d shows chart pixel floor((d + offset) / scale) - origin.
    const double scale = viewport_.deviceScale();
    const ShapePoint offset = viewport_.deviceOffset();
    const Point origin = viewport_.origin();
    sampleNearest(bitmap, pixels_.drawn(), area, scale,
                  {offset.x - (double(origin.x) + chart.left) * scale, offset.y - (double(origin.y) + chart.top) * scale});
}

void CPattraView::drawHandles(const Rect& area)
{
    const CSelectionSet& selection = canvas().selection();
    if (selection.empty())
        return;
    CRasterDC dc(pixels_.drawn());
    dc.setClip(area);
    const int32_t reach = handleReach();
    for (CChartElement* member : selection.members()) {
        if (member->hasFlag(kHidden))
            break;
        for (Point p : member->points()) {
            const Point at = viewport_.deviceOfChart(p);
            const Rect square{at.x - reach, at.y - reach, at.x + reach, at.y + reach};
            dc.fillRect(square, colours::green);
            dc.frameRect(square, colours::black);
        }
    }
}

// --- Zoom ---

void CPattraView::zoomed()
{
    pixels_.invalidateAll();
    const Size client = viewport_.client();
    host_.zoomChanged(viewport_.zoomPercent());
    host_.showScrollBars(viewport_.scrollBars());
    host_.update({0, 0, client.width, client.height});
}

bool CPattraView::setZoom(int32_t percent, Point anchor)
{
    if (std::find(kZoomLevels.begin(), kZoomLevels.end(), percent) == kZoomLevels.end())
        return false;
    viewport_.zoomAbout(percent, anchor);
    zoomed();
    return true;
}

bool CPattraView::zoomIn(Point anchor)
{
    for (int32_t level : kZoomLevels)
        if (level > zoomPercent())
            return setZoom(level, anchor);
    return false;
}

bool CPattraView::zoomOut(Point anchor)
{
    for (auto level = kZoomLevels.rbegin(); level != kZoomLevels.rend(); ++level)
        if (*level < zoomPercent())
            return setZoom(*level, anchor);
    return false;
}

void CPattraView::fitToWindow()
{
    viewport_.zoomToCorner(viewport_.fittingPercent());
    zoomed();
}

Point CPattraView::windowCentre() const
{
    const Size client = viewport_.client();
    return {client.width / 2, client.height / 2};
}

void CPattraView::setShowPixels(bool show)
{
    if (show == showPixels_)
        return;
    showPixels_ = show;
    invalidateAll();
}

} // namespace loopora
