#include "export/CairoChartPainter.h"

#include "document/BackgroundShapes.h"
#include "elements/IdealShapes.h"
#include "export/CairoShapes.h"
#include "platform/ShapeRecording.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace loopora {
namespace {

// Device pixels drawn beyond the area on every side and left aside.
constexpr int32_t kSpareEdge = 4;

// An area of fewer device pixels is drawn on one thread: a second one would
// cost more in starting than it saves.
constexpr int64_t kLeastSharedArea = 200'000;

// An element that reaches the area, with how far it reaches.
struct Reaching {
    const CChartElement* element;
    Rect drawnBounds;
};

std::vector<Reaching> elementsReaching(const CCanvas& canvas, const Rect& chartArea)
{
    std::vector<Reaching> reaching;
    for (const auto& element : canvas.children()) {
        const Rect bounds = element->drawnBounds();
        if (!Rect::intersected(bounds, chartArea).isEmpty())
            reaching.push_back({element.get(), bounds});
    }
    return reaching;
}

// About how many shapes an element describes: a symbol one a stroke.
size_t shapesOf(const CChartElement& element) { return 1 + element.childCount(); }

// The chart described once, on the thread that owns it, for threads that
// draw parts of it.
struct DescribedChart {
    struct Element {
        Rect drawnBounds;
        size_t from = 0, to = 0; // its stretch of the shapes
    };

    ShapeRecording shapes;
    size_t background = 0; // the background pattern is the first stretch
    std::vector<Element> elements;
};

DescribedChart describe(const CCanvas& canvas, const std::vector<Reaching>& reaching)
{
    DescribedChart chart;
    size_t expected = 64;
    for (const Reaching& r : reaching)
        expected += shapesOf(*r.element);
    chart.shapes.reserve(expected);
    describeBackground(canvas, chart.shapes);
    chart.background = chart.shapes.size();
    chart.elements.reserve(reaching.size());
    for (const Reaching& r : reaching) {
        const size_t from = chart.shapes.size();
        describeElement(*r.element, chart.shapes);
        if (chart.shapes.size() > from)
            chart.elements.push_back({r.drawnBounds, from, chart.shapes.size()});
    }
    return chart;
}

// The device rows of a stretch of chart rows, and back.
double deviceRowOf(double chartRow, const SheetMapping& mapping, Point origin)
{
    return (chartRow + origin.y) * mapping.scale - mapping.offset.y;
}
double chartRowOf(double deviceRow, const SheetMapping& mapping, Point origin)
{
    return (deviceRow + mapping.offset.y) / mapping.scale - origin.y;
}

// The chart area whose elements can reach the rows of the band: the chart
// rows the band covers and as far again as shapes reach, within the whole area's.
Rect chartAreaOfBand(const Rect& band, const Rect& chartArea, const SheetMapping& mapping, Point origin)
{
    const double reach = shapesReach(mapping.scale);
    const double top = std::floor(chartRowOf(band.top, mapping, origin)) - reach;
    const double bottom = std::ceil(chartRowOf(band.bottom, mapping, origin)) + reach;
    Rect rows = chartArea;
    rows.top = int32_t(std::clamp(top, double(chartArea.top), double(chartArea.bottom)));
    rows.bottom = int32_t(std::clamp(bottom, double(chartArea.top), double(chartArea.bottom)));
    return rows;
}

// What drawing costs, in the work of one shape over one device row: each
// shape costs besides about as much as over a dozen rows (cairo builds its
// outline and sets up its filling), and describing it, once, about one and a
// half.
constexpr double kShapeRows = 12;
constexpr double kDescriptionRows = 1.5;

// The row that parts the area into an upper band, drawn by the thread that
// also describes the chart, and a lower band drawn by another, where both
// threads finish soonest; the area's top when parting gains nothing.
int32_t partingRow(const std::vector<Reaching>& reaching, const Rect& area, const SheetMapping& mapping, Point origin)
{
    if (int64_t(area.width()) * area.height() < kLeastSharedArea || area.height() < 2 || reaching.empty())
        return area.top;
    // Per row: the shapes that start, that end, and that run over it.
    const size_t rows = size_t(area.height());
    std::vector<double> starting(rows + 1, 0.0), ending(rows + 1, 0.0), running(rows, 0.0);
    double shapes = 0;
    for (const Reaching& r : reaching) {
        const double top = std::clamp(std::floor(deviceRowOf(r.drawnBounds.top, mapping, origin)), double(area.top),
                                      double(area.bottom));
        const double bottom = std::clamp(std::ceil(deviceRowOf(r.drawnBounds.bottom, mapping, origin)),
                                         double(area.top), double(area.bottom));
        if (!(bottom > top))
            continue;
        const double count = double(shapesOf(*r.element));
        starting[size_t(top - area.top)] += count;
        ending[size_t(bottom - area.top)] += count;
        shapes += count;
    }
    double over = 0, allRows = 0;
    for (size_t row = 0; row < rows; ++row) {
        over += starting[row] - ending[row];
        running[row] = over;
        allRows += over;
    }
    // Above the parting row p: the shapes started and their rows before p;
    // below it: the shapes not ended by p and their rows from p on.
    const double whole = allRows + kShapeRows * shapes;
    double rowsAbove = 0, startedAbove = 0, endedBy = ending[0];
    double best = whole;
    int32_t parting = area.top;
    for (size_t p = 1; p < rows; ++p) {
        rowsAbove += running[p - 1];
        startedAbove += starting[p - 1];
        endedBy += ending[p];
        const double upper = kDescriptionRows * shapes + rowsAbove + kShapeRows * startedAbove;
        const double lower = allRows - rowsAbove + kShapeRows * (shapes - endedBy);
        const double finished = std::max(upper, lower);
        if (finished < best) {
            best = finished;
            parting = area.top + int32_t(p);
        }
    }
    return parting;
}

// Draws a band of the target: `draw` tells the shapes to the device, one
// element at a time.
template <typename Draw>
bool drawBand(PixelBuffer& target, const Rect band, const SheetMapping& mapping, Point origin, Draw&& draw)
{
    // The shapes are drawn on a picture of their own, a few pixels larger
    // than the band, and the band is copied from it: where a picture ends
    // cairo rounds the coverage of the pixels along its edge differently, so
    // those pixels are drawn and left aside, and each pixel of the band comes
    // out as a repaint of the whole window draws it.
    const Rect drawnArea = band.inflated(kSpareEdge);
    CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(drawnArea.width()), int(drawnArea.height())));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return false;
    CairoContext cr(cairo_create(surface.get()));
    // A window is redrawn at every zoom step and scroll: cairo's coarser
    // coverage grid (4 x 4 samples a pixel) and curves flattened to a
    // quarter pixel draw it in about half the time, with edges as smooth to
    // the eye. Labels have grey edges, as the PNG export's.
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_FAST);
    cairo_set_tolerance(cr.get(), 0.25);
    cairo_font_options_t* fontOptions = cairo_font_options_create();
    cairo_font_options_set_antialias(fontOptions, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr.get(), fontOptions);
    cairo_font_options_destroy(fontOptions);
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    cairo_translate(cr.get(), -drawnArea.left - mapping.offset.x, -drawnArea.top - mapping.offset.y);
    cairo_scale(cr.get(), mapping.scale, mapping.scale);
    cairo_translate(cr.get(), origin.x, origin.y);
    CairoShapes shapes(cr.get());
    draw(shapes);
    shapes.finish();
    const bool drawn = cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS;
    cr.reset();
    cairo_surface_flush(surface.get());
    // The byte cairo leaves unused is kept 0, as every pixel of the buffer has it.
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    const int32_t width = int32_t(band.width());
    for (int32_t y = band.top; y < band.bottom; ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(data + std::ptrdiff_t(y - drawnArea.top) * stride) +
                           (band.left - drawnArea.left);
        Pixel* to = target.row(y) + band.left;
        for (int32_t x = 0; x < width; ++x)
            to[x] = from[x] & 0x00FFFFFFu;
    }
    return drawn;
}

// Draws a band of the target from the description: the background and the
// elements whose drawing can reach the band.
bool drawDescribedBand(const DescribedChart& chart, PixelBuffer& target, const Rect& band, const SheetMapping& mapping,
                       Point origin, const Rect& chartArea)
{
    const Rect bandChart = chartAreaOfBand(band, chartArea, mapping, origin);
    return drawBand(target, band, mapping, origin, [&](CairoShapes& shapes) {
        chart.shapes.replay(shapes, 0, chart.background);
        for (const DescribedChart::Element& element : chart.elements)
            if (!Rect::intersected(element.drawnBounds, bandChart).isEmpty()) {
                shapes.finish();
                chart.shapes.replay(shapes, element.from, element.to);
            }
    });
}

} // namespace

bool CairoChartPainter::paint(const CPattraDoc& doc, PixelBuffer& target, const Rect& area,
                              const SheetMapping& mapping, const Rect& chartArea)
{
    const Rect inside = Rect::intersected(area.normalized(), {0, 0, target.width(), target.height()});
    if (inside.isEmpty())
        return true;
    const CCanvas& canvas = doc.canvas();
    const Point origin = canvas.origin();
    const std::vector<Reaching> reaching = elementsReaching(canvas, chartArea);
    const int32_t parting = partingRow(reaching, inside, mapping, origin);
    if (parting <= inside.top) {
        return drawBand(target, inside, mapping, origin, [&](CairoShapes& shapes) {
            describeBackground(canvas, shapes);
            // Each element is stroked on its own: strokes gathered across
            // elements would be drawn differently by a repaint that leaves
            // some of them out, and one path of a thousand crossing strokes
            // costs cairo more than the strokes element by element.
            for (const Reaching& r : reaching) {
                shapes.finish();
                describeElement(*r.element, shapes);
            }
        });
    }
    // A large area is drawn as two bands at once, each on a picture of its
    // own and each exactly as the whole would be drawn; cairo keeps what
    // the two share (the chart's font) safe to share. The elements are read
    // here alone, as they may keep what they measure.
    const DescribedChart chart = describe(canvas, reaching);
    const Rect upper{inside.left, inside.top, inside.right, parting};
    const Rect lower{inside.left, parting, inside.right, inside.bottom};
    bool lowerDrawn = false;
    auto drawLower = [&] {
        try {
            lowerDrawn = drawDescribedBand(chart, target, lower, mapping, origin, chartArea);
        } catch (const std::bad_alloc&) {
            lowerDrawn = false;
        }
    };
    std::jthread helper;
    try {
        helper = std::jthread(drawLower);
    } catch (const std::system_error&) {
        drawLower(); // no thread to be had: one after the other
    }
    const bool upperDrawn = drawDescribedBand(chart, target, upper, mapping, origin, chartArea);
    if (helper.joinable())
        helper.join();
    return upperDrawn && lowerDrawn;
}

} // namespace loopora
