// Invariants of the figures plotted point by point (chain ovals, slip
// stitches, lenses), small or enormous: drawing part of the window draws
// exactly those pixels of the whole drawing; every pixel lies within the
// figure's bounds; a slip stitch that fits on the editor's largest sheet is
// exactly its nested ovals, pinholes and all; one larger than that is a solid dot.

#include "document/Canvas.h"
#include "elements/LensElement.h"
#include "platform/PenRuns.h"
#include "platform/RasterDC.h"
#include "platform/TiltedEllipse.h"
#include "stitches/SlipStitchDot.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace loopora;
using loopora::test::built;

namespace {

// A figure of the three kinds with random points, pen and shape, of about the given length.
std::unique_ptr<CChartElement> randomFigure(std::mt19937& rng, int32_t length)
{
    const int32_t kinds[] = {typeids::kChain, typeids::kSlipStitch, typeids::kLens};
    const int32_t type = kinds[rng() % 3];
    std::uniform_int_distribution<int32_t> at(-50, 250);
    const double angle = std::uniform_real_distribution<double>(0, 6.283)(rng);
    const Point p{at(rng), at(rng)};
    const Point q{p.x + int32_t(length * std::cos(angle)), p.y + int32_t(length * std::sin(angle))};
    const int32_t pens[] = {0, 1, 2, 3, 7, 40};
    auto e = built(type, {p, q}, {pens[rng() % 6], rgb(uint8_t(rng()), 10, 20), 0});
    if (type == typeids::kChain)
        static_cast<CChainOval*>(e.get())->setRatio(std::uniform_real_distribution<double>(0.5, 4)(rng));
    if (type == typeids::kLens)
        static_cast<CLensElement*>(e.get())->setBulge(std::uniform_real_distribution<double>(1.05, 3)(rng));
    return e;
}

PixelBuffer drawn(CChartElement& e, Rect clip, Point windowOrigin)
{
    PixelBuffer picture(200, 200);
    CRasterDC dc(picture);
    dc.setWindowOrigin(windowOrigin);
    dc.setClip(clip);
    e.draw(dc);
    return picture;
}

} // namespace

TEST(PlottedFigures, DrawingPartOfTheWindowDrawsThatPartOfTheWholeDrawing)
{
    std::mt19937 rng(4711);
    for (int32_t length : {0, 3, 17, 60, 240, 1500, 9000, 250'000}) {
        for (int i = 0; i < 12; ++i) {
            auto e = randomFigure(rng, length);
            const Point origin{int32_t(rng() % 80) - 40, int32_t(rng() % 80) - 40};
            const PixelBuffer whole = drawn(*e, {0, 0, 200, 200}, origin);
            const Rect clip{int32_t(rng() % 120), int32_t(rng() % 120), 80 + int32_t(rng() % 120), 80 + int32_t(rng() % 120)};
            const PixelBuffer part = drawn(*e, clip, origin);
            for (int32_t y = 0; y < 200; ++y)
                for (int32_t x = 0; x < 200; ++x) {
                    const Colour expected = clip.contains({x, y}) ? whole.colourAt(x, y) : colours::white;
                    ASSERT_EQ(part.colourAt(x, y), expected) << "type " << e->typeId() << ", length " << length
                                                             << ", at " << x << "," << y;
                }
        }
    }
}

TEST(PlottedFigures, EveryPixelLiesWithinTheBounds)
{
    std::mt19937 rng(815);
    for (int32_t length : {5, 40, 400, 3000, 5000, 70'000, 3'000'000}) {
        for (int i = 0; i < 12; ++i) {
            auto e = randomFigure(rng, length);
            // Window on the figure's own neighbourhood, wherever it lies.
            const Rect bounds = e->getBounds();
            const Point corner{int32_t(rng() % 2) ? bounds.left - 20 : bounds.right - 180,
                               int32_t(rng() % 2) ? bounds.top - 20 : bounds.bottom - 180};
            const PixelBuffer picture = drawn(*e, {0, 0, 200, 200}, corner);
            for (int32_t y = 0; y < 200; ++y)
                for (int32_t x = 0; x < 200; ++x)
                    if (picture.colourAt(x, y) != colours::white) {
                        const Point p{x + corner.x, y + corner.y};
                        ASSERT_TRUE(bounds.contains(p)) << "type " << e->typeId() << ", length " << length;
                    }
        }
    }
}

TEST(PlottedFigures, ALargeSlipStitchIsSolidToItsRim)
{
    // Its tip stands on the window, its rim crosses it; 9000 pixels long.
    auto dot = built(typeids::kSlipStitch, {{100, 30}, {100 + 2700, 30 + 8586}}, {2, colours::black, 0});
    const PixelBuffer picture = drawn(*dot, {0, 0, 200, 200}, {0, 0});
    const TiltedEllipse e = CChainOval::ovalBetween({100, 30}, {2800, 8616}, 2.0).equation();
    int inside = 0;
    for (int32_t y = 0; y < 200; ++y) {
        const raster::Span shrunk = TiltedEllipse{e.cx, e.cy, e.s, e.c, e.along - 3, e.across - 3}.row(y);
        const raster::Span grown = TiltedEllipse{e.cx, e.cy, e.s, e.c, e.along + 3, e.across + 3}.row(y);
        for (int32_t x = 0; x < 200; ++x) {
            const bool surelyIn = !shrunk.empty() && x >= shrunk.lo && x <= shrunk.hi;
            const bool surelyOut = grown.empty() || x < grown.lo || x > grown.hi;
            if (surelyIn) {
                ++inside;
                ASSERT_EQ(picture.colourAt(x, y), colours::black) << x << "," << y;
            }
            if (surelyOut) {
                ASSERT_EQ(picture.colourAt(x, y), colours::white) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inside, 5000);
}

namespace {

// A slip stitch as slip stitches have always been drawn: the chain ovals
// between two ends that walk toward each other, each plotted with pen runs.
PixelBuffer nestedOvals(Point p, Point q, double ratio, int32_t pen, Point origin, int32_t side)
{
    PixelBuffer picture(side, side);
    CRasterDC dc(picture);
    dc.setWindowOrigin(origin);
    PenRuns runs(dc, colours::black, pen, RunDirection::UpRight);
    auto oval = [&](Point u, Point v) { CChainOval::plotOval(runs, CChainOval::ovalBetween(u, v, ratio)); };
    if (p.x == q.x || p.y == q.y) {
        const bool vertical = p.x == q.x;
        int32_t low = vertical ? std::min(p.y, q.y) : std::min(p.x, q.x);
        int32_t high = vertical ? std::max(p.y, q.y) : std::max(p.x, q.x);
        do {
            vertical ? oval({p.x, low}, {p.x, high}) : oval({low, p.y}, {high, p.y});
            ++low;
            --high;
        } while (high + 1 > low - 1);
    } else {
        const bool steep = std::abs(q.x - p.x) < std::abs(q.y - p.y);
        Point u = steep ? (p.y <= q.y ? p : q) : (p.x <= q.x ? p : q);
        Point v = (u == p) ? q : p;
        const double slope = steep ? double(q.x - p.x) / double(q.y - p.y) : double(q.y - p.y) / double(q.x - p.x);
        auto onLine = [&](Point& w) {
            if (steep)
                w.x = int32_t(p.x + slope * (double(w.y) - p.y));
            else
                w.y = int32_t(p.y + slope * (double(w.x) - p.x));
        };
        while (true) {
            oval(u, v);
            if (steep ? v.y < u.y : v.x < u.x)
                break;
            ++(steep ? u.y : u.x);
            --(steep ? v.y : v.x);
            onLine(u);
            onLine(v);
        }
    }
    runs.flush();
    return picture;
}

} // namespace

TEST(PlottedFigures, ASlipStitchThatFitsTheLargestSheetIsExactlyItsNestedOvals)
{
    struct Case {
        Point p, q;
        double ratio;
        int32_t pen;
    };
    const Case cases[] = {
        {{300, 80}, {300, 520}, 2, 2},   // upright, 440 long
        {{300, 600}, {300, 0}, 2, 2},    // a whole sheet tall, downward
        {{20, 300}, {580, 300}, 2, 2},   // across the sheet
        {{100, 100}, {500, 500}, 2, 2},  // corner to corner
        {{520, 40}, {180, 560}, 2, 2},   // steep
        {{40, 350}, {560, 200}, 2, 2},   // flat
        {{300, 0}, {300, 599}, 1, 2},    // a round one as large as the sheet
        {{300, 150}, {300, 450}, 0.5, 2}, // wider than long
        {{60, 500}, {540, 120}, 2, 1},
        {{60, 120}, {540, 500}, 3, 3},
        {{200, 100}, {420, 460}, 2, 9},
        {{290, 290}, {305, 297}, 2, 2},
        {{-20, -30}, {200, 400}, 2, 2},  // partly left of and above the sheet's corner
        {{(1 << 24) - 300, 300}, {(1 << 24) - 20, 560}, 2, 2}, // at the edge of the drawable area
    };
    for (const Case& c : cases) {
        const Point origin{c.p.x > 1000 ? (1 << 24) - 640 : -40, -40};
        auto dot = built(typeids::kSlipStitch, {c.p, c.q}, {c.pen, colours::black, 0});
        static_cast<CSlipStitchDot&>(*dot).setRatio(c.ratio);
        PixelBuffer picture(700, 700);
        CRasterDC dc(picture);
        dc.setWindowOrigin(origin);
        dot->draw(dc);
        const PixelBuffer expected = nestedOvals(c.p, c.q, c.ratio, c.pen, origin, 700);
        int differing = 0, inked = 0;
        for (int32_t y = 0; y < 700; ++y)
            for (int32_t x = 0; x < 700; ++x) {
                differing += picture.colourAt(x, y) != expected.colourAt(x, y);
                inked += expected.colourAt(x, y) == colours::black;
            }
        EXPECT_EQ(differing, 0) << c.p.x << "," << c.p.y << " to " << c.q.x << "," << c.q.y << " pen " << c.pen;
        EXPECT_GT(inked, 20);
    }
}
