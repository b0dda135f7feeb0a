// Ovals, rectangles and arcs as Loopora draws stitch heads and loops: the
// figure fits its box with right and bottom edges excluded, the outline is one
// unbroken pen stroke written once per pixel, and the brush fills the rest.

#include "RasterTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

using namespace loopora;
using namespace loopora::testing;

namespace {

constexpr Brush kHollow{BrushStyle::Hollow, colours::white};
constexpr Brush kSolidFill{BrushStyle::Solid, kFill};

PixelBuffer drawEllipse(int w, int h, const Rect& box, const Pen& p = pen(1), Brush brush = kHollow)
{
    PixelBuffer b(w, h);
    CRasterDC dc(b);
    dc.selectPen(p);
    dc.selectBrush(brush);
    dc.ellipse(box);
    return b;
}

PixelSet outlineOf(const Rect& box, int width = 1)
{
    return pixelsOf(drawEllipse(box.right + 10, box.bottom + 10, box, pen(width)), kInk);
}

PixelSet arcOf(const Rect& box, Point start, Point end, int width = 1)
{
    PixelBuffer b(box.right + 10, box.bottom + 10);
    CRasterDC dc(b);
    dc.selectPen(pen(width));
    dc.selectBrush(kSolidFill); // arcs are never filled
    dc.arc(box, start, end);
    EXPECT_TRUE(pixelsOf(b, kFill).empty());
    return pixelsOf(b, kInk);
}

PixelSet where(const PixelSet& s, auto keep)
{
    PixelSet out;
    for (auto p : s)
        if (keep(p.first, p.second))
            out.insert(p);
    return out;
}

} // namespace

TEST(RasterEllipse, ReachesEveryEdgeOfItsBoxButNotRightOrBottom)
{
    for (Rect box : {Rect{3, 3, 13, 13}, Rect{2, 3, 9, 20}, Rect{3, 3, 23, 10}, Rect{3, 2, 4, 12}, Rect{5, 5, 6, 6},
                     Rect{3, 3, 5, 5}, Rect{4, 3, 40, 5}, Rect{3, 4, 5, 40}, Rect{2, 2, 5, 5}, Rect{4, 4, 45, 10}}) {
        for (int width : {1, 2, 3}) {
            if (width > 1 && (box.width() < 6 || box.height() < 6))
                continue;
            const PixelBuffer b = drawEllipse(50, 50, box, pen(width), kSolidFill);
            const int out = width / 2, in = width - 1 - width / 2;
            EXPECT_EQ(boundsOf(pixelsNot(b, kPaper)),
                      (Bounds{box.left - out, box.top - out, box.right + in, box.bottom + in}))
                << "width " << width << picture(b);
        }
    }
}

TEST(RasterEllipse, TenByTenOvalTouchesItsEdgesInTheMiddle)
{
    const PixelSet o = outlineOf({0, 0, 10, 10});
    EXPECT_EQ(where(o, [](int x, int) { return x == 0; }), column(0, 3, 6));
    EXPECT_EQ(where(o, [](int x, int) { return x == 9; }), column(9, 3, 6));
    EXPECT_EQ(where(o, [](int, int y) { return y == 0; }), row(0, 3, 6));
    EXPECT_EQ(where(o, [](int, int y) { return y == 9; }), row(9, 3, 6));
    EXPECT_EQ(where(o, [](int x, int y) { return x >= 10 || y >= 10; }), PixelSet{});
}

TEST(RasterEllipse, TwoByTwoBoxDrawsFourPixels)
{
    EXPECT_EQ(outlineOf({3, 3, 5, 5}), (PixelSet{{3, 3}, {4, 3}, {3, 4}, {4, 4}}));
    EXPECT_EQ(outlineOf({3, 3, 4, 4}), (PixelSet{{3, 3}}));
}

TEST(RasterEllipse, BoxWithoutWidthOrHeightDrawsNothing)
{
    for (Rect box : {Rect{5, 5, 5, 10}, Rect{5, 5, 10, 5}, Rect{5, 5, 5, 5}}) {
        const PixelBuffer b = drawEllipse(20, 20, box, pen(4), kSolidFill);
        EXPECT_TRUE(pixelsNot(b, kPaper).empty());
    }
}

TEST(RasterEllipse, ReversedBoxDrawsLikeItsNormalisedBox)
{
    EXPECT_EQ(pixelsOf(drawEllipse(20, 20, {15, 12, 2, 3}), kInk), outlineOf({2, 3, 15, 12}));
}

TEST(RasterEllipse, OutlineIsOneUnbrokenSymmetricCurve)
{
    for (int w = 1; w <= 26; ++w) {
        for (int h = 1; h <= 26; h += (w % 3) + 1) {
            const Rect box{2, 2, 2 + w, 2 + h};
            const PixelSet o = outlineOf(box);
            ASSERT_EQ(pieces8(o), 1) << w << "x" << h;
            for (auto [x, y] : o) {
                EXPECT_TRUE(o.count({2 + 2 + w - 1 - x, y})) << w << "x" << h;
                EXPECT_TRUE(o.count({x, 2 + 2 + h - 1 - y})) << w << "x" << h;
                // Away from the tips of very flat ovals the curve runs on through every pixel.
                if (w >= 4 && h >= 4) {
                    int neighbours = 0;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            neighbours += (dx || dy) && o.count({x + dx, y + dy});
                    EXPECT_GE(neighbours, 2) << w << "x" << h << " at " << x << "," << y;
                }
            }
            // No gap lets the fill touch the paper outside.
            const PixelBuffer filled = drawEllipse(w + 4, h + 4, box, pen(1), kSolidFill);
            for (auto [x, y] : pixelsOf(filled, kFill))
                for (auto [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}})
                    EXPECT_NE(filled.colourAt(x + dx, y + dy), kPaper) << w << "x" << h << picture(filled);
        }
    }
}

TEST(RasterEllipse, SolidBrushFillsInsideAndHollowBrushLeavesIt)
{
    const Rect box{2, 2, 18, 14};
    const PixelBuffer solid = drawEllipse(20, 16, box, pen(1), kSolidFill);
    const PixelBuffer hollow = drawEllipse(20, 16, box, pen(1), kHollow);
    EXPECT_EQ(pixelsOf(solid, kInk), pixelsOf(hollow, kInk));
    EXPECT_EQ(solid.colourAt(10, 8), kFill);
    EXPECT_EQ(hollow.colourAt(10, 8), kPaper);
    // The fill is exactly what the outline encloses: no paper inside, no fill outside.
    for (int y = 0; y < 16; ++y) {
        const PixelSet r = where(pixelsNot(solid, kPaper), [y](int, int py) { return py == y; });
        if (!r.empty()) {
            EXPECT_EQ(r.size(), size_t(r.rbegin()->first - r.begin()->first + 1)) << picture(solid);
        }
    }
}

TEST(RasterEllipse, NullPenLeavesTheOutlineAndFillsInside)
{
    const PixelBuffer b = drawEllipse(20, 16, {2, 2, 18, 14}, pen(1, PenStyle::Null), kSolidFill);
    EXPECT_TRUE(pixelsOf(b, kInk).empty());
    PixelSet expected = pixelsOf(drawEllipse(20, 16, {2, 2, 18, 14}, pen(1), kSolidFill), kFill);
    EXPECT_EQ(pixelsOf(b, kFill), expected);
}

TEST(RasterEllipse, XorOutlinesDrawnTwiceRestoreThePicture)
{
    for (int width : {1, 2, 3, 5, 8})
        for (Rect box : {Rect{3, 3, 30, 20}, Rect{5, 4, 9, 27}, Rect{2, 2, 4, 4}, Rect{6, 6, 7, 20}}) {
            PixelBuffer b(40, 32, rgb(40, 90, 140));
            CRasterDC dc(b);
            dc.selectPen(pen(width, PenStyle::Solid, rgb(255, 255, 255)));
            dc.selectBrush(kHollow);
            dc.setRasterOp(RasterOp::XorPen);
            dc.ellipse(box);
            EXPECT_FALSE(pixelsNot(b, rgb(40, 90, 140)).empty());
            dc.ellipse(box);
            EXPECT_TRUE(pixelsNot(b, rgb(40, 90, 140)).empty()) << "width " << width << picture(b);
        }
}

TEST(RasterEllipse, WidePenRingIsCentredOnTheOutline)
{
    const Rect box{10, 10, 31, 31}; // middle row and column 20, outline at 10 and 30
    for (int width : {1, 2, 3, 6}) {
        const PixelBuffer b = drawEllipse(45, 45, box, pen(width), kSolidFill);
        const int out = width / 2, in = width - 1 - width / 2;
        EXPECT_EQ(where(pixelsOf(b, kInk), [](int, int y) { return y == 20; }),
                  unite(row(20, 10 - out, 10 + in), row(20, 30 - out, 30 + in)))
            << "width " << width << picture(b);
        EXPECT_EQ(where(pixelsOf(b, kInk), [](int x, int) { return x == 20; }),
                  unite(column(20, 10 - out, 10 + in), column(20, 30 - out, 30 + in)))
            << "width " << width;
        EXPECT_EQ(b.colourAt(10 + in + 1, 20), kFill);
        EXPECT_EQ(pieces8(pixelsOf(b, kFill)), 1);
    }
}

TEST(RasterEllipse, ClippedOvalMatchesTheWholeOvalInsideTheClip)
{
    const PixelBuffer whole = drawEllipse(40, 30, {-7, 3, 33, 41}, pen(3), kSolidFill);
    PixelBuffer b(40, 30);
    CRasterDC dc(b);
    dc.setClip({5, 4, 25, 18});
    dc.selectPen(pen(3));
    dc.selectBrush(kSolidFill);
    dc.ellipse({-7, 3, 33, 41});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inClip = x >= 5 && x < 25 && y >= 4 && y < 18;
            EXPECT_EQ(b.colourAt(x, y), inClip ? whole.colourAt(x, y) : kPaper) << x << "," << y;
        }
}

TEST(RasterEllipse, HugeOvalDrawsItsVisiblePartQuickly)
{
    constexpr int far = 16'700'000;
    const auto start = std::chrono::steady_clock::now();
    const PixelBuffer b = drawEllipse(50, 50, {-far, 10, far, 10 + 2 * far}, pen(1), kSolidFill);
    EXPECT_EQ(pixelsOf(b, kInk), row(10, 0, 49));
    EXPECT_EQ(pixelsOf(b, kFill).size(), 50u * 39u);
    const PixelBuffer inside = drawEllipse(50, 50, {-far, -far, far, far}, pen(200), kSolidFill);
    EXPECT_EQ(pixelsOf(inside, kFill).size(), 50u * 50u);
    PixelBuffer arcs(50, 50);
    CRasterDC dc(arcs);
    dc.arc({-far, 10, far, 10 + 2 * far}, {far, far}, {-far, far});
    EXPECT_EQ(pixelsOf(arcs, kInk), row(10, 0, 49));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(RasterRectangle, OutlineOnTheBoxEdgesAndFillInside)
{
    PixelBuffer b(12, 10);
    CRasterDC dc(b);
    dc.selectBrush(kSolidFill);
    dc.rectangle({2, 2, 8, 6});
    EXPECT_EQ(pixelsOf(b, kInk), unite(unite(row(2, 2, 7), row(5, 2, 7)), unite(column(2, 2, 5), column(7, 2, 5))));
    EXPECT_EQ(pixelsOf(b, kFill), unite(row(3, 3, 6), row(4, 3, 6)));
}

TEST(RasterRectangle, WidePensAreCentredOnTheOutline)
{
    auto band = [](Rect outer, Rect inner) {
        PixelSet s;
        for (int y = outer.top; y < outer.bottom; ++y)
            for (int x = outer.left; x < outer.right; ++x)
                if (!inner.contains({x, y}))
                    s.insert({x, y});
        return s;
    };
    auto area = [&band](Rect r) { return band(r, Rect{}); };
    for (auto [width, outer, inner] : {std::tuple{3, Rect{1, 1, 13, 11}, Rect{4, 4, 10, 8}},
                                       std::tuple{2, Rect{1, 1, 12, 10}, Rect{3, 3, 10, 8}}}) {
        PixelBuffer b(16, 14);
        CRasterDC dc(b);
        dc.selectPen(pen(width));
        dc.selectBrush(kSolidFill);
        dc.rectangle({2, 2, 12, 10});
        EXPECT_EQ(pixelsOf(b, kInk), band(outer, inner)) << "width " << width << picture(b);
        EXPECT_EQ(pixelsOf(b, kFill), area(inner)) << "width " << width;
    }
}

TEST(RasterRectangle, NullPenFillsOnlyTheInside)
{
    PixelBuffer b(16, 14);
    CRasterDC dc(b);
    dc.selectPen(pen(5, PenStyle::Null));
    dc.selectBrush(kSolidFill);
    dc.rectangle({2, 2, 12, 10});
    EXPECT_TRUE(pixelsOf(b, kInk).empty());
    EXPECT_EQ(boundsOf(pixelsOf(b, kFill)), (Bounds{3, 3, 11, 9}));
    EXPECT_EQ(pixelsOf(b, kFill).size(), 8u * 6u);
}

TEST(RasterRectangle, ThinXorRectanglesDrawnTwiceRestoreThePicture)
{
    for (Rect box : {Rect{3, 3, 4, 12}, Rect{3, 3, 12, 4}, Rect{3, 3, 5, 5}, Rect{2, 2, 14, 9}})
        for (int width : {1, 2, 4}) {
            PixelBuffer b(20, 16, rgb(1, 2, 3));
            CRasterDC dc(b);
            dc.selectPen(pen(width, PenStyle::Solid, rgb(200, 100, 50)));
            dc.selectBrush(kHollow);
            dc.setRasterOp(RasterOp::XorPen);
            dc.rectangle(box);
            dc.rectangle(box);
            EXPECT_TRUE(pixelsNot(b, rgb(1, 2, 3)).empty()) << "width " << width;
        }
}

TEST(RasterRectangle, BoxWithoutWidthDrawsNothing)
{
    PixelBuffer b(10, 10);
    CRasterDC dc(b);
    dc.selectPen(pen(3));
    dc.rectangle({4, 2, 4, 8});
    EXPECT_TRUE(pixelsNot(b, kPaper).empty());
}

TEST(RasterArc, StartRightEndLeftDrawsTheTopHalf)
{
    const Rect box{0, 0, 10, 10};
    const PixelSet full = outlineOf(box);
    const PixelSet top = arcOf(box, {10, 5}, {0, 5});
    const PixelSet bottom = arcOf(box, {0, 5}, {10, 5});
    EXPECT_EQ(top, where(full, [](int, int y) { return y <= 4; }));
    EXPECT_EQ(bottom, where(full, [](int, int y) { return y >= 5; }));
}

TEST(RasterArc, SweepsCounterClockwiseOnScreen)
{
    const Rect box{0, 0, 10, 10};
    const PixelSet full = outlineOf(box);
    // From the top to the left: the upper-left quarter, not the other three.
    EXPECT_EQ(arcOf(box, {5, 0}, {0, 5}), where(full, [](int x, int y) { return x <= 4 && y <= 4; }));
    EXPECT_EQ(arcOf(box, {0, 5}, {5, 0}), where(full, [](int x, int y) { return x >= 5 || y >= 5; }));
    // Radials need not reach the oval: only their direction counts.
    EXPECT_EQ(arcOf(box, {50, 5}, {5, -40}), where(full, [](int x, int y) { return x >= 5 && y <= 4; }));
}

TEST(RasterArc, CoincidingRadialsDrawTheWholeOutline)
{
    const Rect box{1, 2, 17, 12}; // centre (9, 7)
    EXPECT_EQ(arcOf(box, {17, 7}, {30, 7}), outlineOf(box));
    EXPECT_EQ(arcOf(box, {4, 0}, {4, 0}), outlineOf(box));
}

TEST(RasterArc, WidePenArcKeepsToItsSweep)
{
    const Rect box{4, 4, 24, 24};
    const PixelSet top = arcOf(box, {24, 14}, {4, 14}, 5);
    const PixelSet bottom = arcOf(box, {4, 14}, {24, 14}, 5);
    EXPECT_EQ(where(top, [](int, int y) { return y >= 14; }), PixelSet{});
    EXPECT_EQ(unite(top, bottom), outlineOf(box, 5));
    EXPECT_EQ(top.size() + bottom.size(), outlineOf(box, 5).size());
}
