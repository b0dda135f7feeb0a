#include "document/CircleBackground.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace loopora {
namespace {

// A pixel is known by its doubled offset from the centre, u = 2(x - cx) + 1
// and v = 2(y - cy) + 1, which the circle of radius d (its box from cx - d to
// cx + d, right and bottom excluded) does not change. The device fills an oval
// by pixel centres, keeps the middle row and column whole, and stays in its
// box; for a circle that is:
bool inCircle(int64_t u, int64_t v, int64_t d)
{
    const int64_t edge = 2 * d - 1;
    if (d <= 0 || std::abs(u) > edge || std::abs(v) > edge)
        return false;
    return std::abs(u) <= 1 || std::abs(v) <= 1 || u * u + v * v <= 4 * d * d;
}

// The smallest radius whose circle holds the pixel; every larger one does too.
int64_t smallestRadiusHolding(int64_t u, int64_t v)
{
    int64_t d = (std::max(std::abs(u), std::abs(v)) + 1) / 2;
    if (std::abs(u) > 1 && std::abs(v) > 1) {
        const int64_t squared = u * u + v * v;
        d = std::max(d, int64_t(std::sqrt(double(squared))) / 2);
        while (4 * d * d < squared)
            ++d;
    }
    return std::max<int64_t>(d, 1);
}

// The pen draws what the brush leaves of a circle: its pixels with a neighbour outside it.
bool onOutline(int64_t u, int64_t v, int64_t d)
{
    return !(inCircle(u - 2, v, d) && inCircle(u + 2, v, d) && inCircle(u, v - 2, d) && inCircle(u, v + 2, d));
}

// What drawing every circle would cost: the pixels of their boxes that show.
int64_t overdrawnPixels(const Rect& visible, Point c, int32_t largest, int32_t spacing)
{
    int64_t total = 0;
    for (int64_t d = largest; d >= 0; d -= spacing) {
        const int64_t w = std::min<int64_t>(visible.right, c.x + d) - std::max<int64_t>(visible.left, c.x - d);
        const int64_t h = std::min<int64_t>(visible.bottom, c.y + d) - std::max<int64_t>(visible.top, c.y - d);
        if (w <= 0 || h <= 0)
            break; // the smaller circles lie outside too
        total += w * h;
    }
    return total;
}

void drawOneByOne(CDC& dc, Point c, int32_t largest, int32_t spacing)
{
    for (int32_t d = largest; d >= 0; d -= spacing)
        dc.ellipse({c.x - d, c.y - d, c.x + d, c.y + d});
    dc.ellipse({c.x - 1, c.y - 1, c.x + 1, c.y + 1});
}

// Hands a row's pixels to the device a run of one colour at a time.
class RowRuns {
public:
    RowRuns(CDC& dc, int32_t y) : dc_(dc), y_(y) {}
    ~RowRuns() { flush(); }

    // colour: the pixel's colour, or nothing to leave it as it is.
    void put(int32_t x, const Colour* colour)
    {
        if (colour && open_ && *colour == colour_ && x == end_) {
            ++end_;
            return;
        }
        flush();
        if (!colour)
            return;
        open_ = true;
        colour_ = *colour;
        start_ = x;
        end_ = x + 1;
    }

    void flush()
    {
        if (open_)
            dc_.fillRect({start_, y_, end_, y_ + 1}, colour_);
        open_ = false;
    }

private:
    CDC& dc_;
    int32_t y_;
    bool open_ = false;
    Colour colour_ = 0;
    int32_t start_ = 0;
    int32_t end_ = 0;
};

void drawPixelByPixel(CDC& dc, const Rect& visible, Point c, int32_t largest, int32_t spacing)
{
    const Colour pen = dc.pen().colour;
    const bool filled = dc.brush().style == BrushStyle::Solid;
    const Colour brush = dc.brush().colour;
    const int64_t reach = std::max(largest, 1);
    const int32_t top = int32_t(std::max<int64_t>(visible.top, c.y - reach));
    const int32_t bottom = int32_t(std::min<int64_t>(visible.bottom, c.y + reach));
    const int32_t left = int32_t(std::max<int64_t>(visible.left, c.x - reach));
    const int32_t right = int32_t(std::min<int64_t>(visible.right, c.x + reach));
    for (int32_t y = top; y < bottom; ++y) {
        RowRuns runs(dc, y);
        const int64_t v = 2 * (int64_t(y) - c.y) + 1;
        for (int32_t x = left; x < right; ++x) {
            const int64_t u = 2 * (int64_t(x) - c.x) + 1;
            const int64_t needed = smallestRadiusHolding(u, v);
            // The dot is drawn last; otherwise the last circle over the pixel
            // is the smallest drawn radius that holds it.
            int64_t d = 1;
            if (needed > 1) {
                if (needed > largest) {
                    runs.put(x, nullptr);
                    continue;
                }
                d = largest - (largest - needed) / spacing * spacing;
            }
            runs.put(x, onOutline(u, v, d) ? &pen : filled ? &brush : nullptr);
        }
    }
}

} // namespace

void drawCircleBackground(CDC& dc, Point centre, int32_t largest, int32_t spacing)
{
    const Rect visible = dc.visibleArea();
    const int64_t shown = visible.width() * visible.height();
    const bool plainPen = dc.pen() == Pen{int32_t(PenStyle::Solid), 1, dc.pen().colour};
    if (!plainPen || dc.rasterOp() != RasterOp::CopyPen || largest < 0 || spacing <= 0 ||
        overdrawnPixels(visible, centre, largest, spacing) / 4 <= shown) {
        drawOneByOne(dc, centre, largest, spacing);
        return;
    }
    drawPixelByPixel(dc, visible, centre, largest, spacing);
}

} // namespace loopora
