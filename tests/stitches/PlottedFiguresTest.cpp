// Invariants of the figures plotted point by point (chain ovals, slip
// stitches, lenses), small or enormous: drawing part of the window draws
// exactly those pixels of the whole drawing; every pixel lies within the
// figure's bounds; a slip stitch too large for nested ovals is a solid dot.

#include "document/Canvas.h"
#include "elements/LensElement.h"
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
