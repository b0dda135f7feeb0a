// Invariants: the circle background is the picture of its circles drawn one
// over another, largest first, each filled with the brush, then the centre
// dot; working it out pixel by pixel (as many close circles are) changes no
// pixel, whatever the sheet, spacing, brush, window origin or clip.

#include "document/CircleBackground.h"
#include "platform/RasterDC.h"

#include <gtest/gtest.h>

#include <random>

using namespace loopora;

namespace {

constexpr Pen kGreyPen{int32_t(PenStyle::Solid), 1, rgb(192, 192, 192)};

struct Window {
    Point origin;
    Rect clip;
    Brush brush;
};

PixelBuffer circlesOneByOne(Point centre, int32_t largest, int32_t spacing, const Window& w)
{
    PixelBuffer picture(160, 120, rgb(1, 2, 3));
    CRasterDC dc(picture);
    dc.setWindowOrigin(w.origin);
    dc.setClip(w.clip);
    dc.selectPen(kGreyPen);
    dc.selectBrush(w.brush);
    for (int32_t d = largest; d >= 0; d -= spacing)
        dc.ellipse({centre.x - d, centre.y - d, centre.x + d, centre.y + d});
    dc.ellipse({centre.x - 1, centre.y - 1, centre.x + 1, centre.y + 1});
    return picture;
}

PixelBuffer circlesAsDrawn(Point centre, int32_t largest, int32_t spacing, const Window& w)
{
    PixelBuffer picture(160, 120, rgb(1, 2, 3));
    CRasterDC dc(picture);
    dc.setWindowOrigin(w.origin);
    dc.setClip(w.clip);
    dc.selectPen(kGreyPen);
    dc.selectBrush(w.brush);
    drawCircleBackground(dc, centre, largest, spacing);
    return picture;
}

} // namespace

TEST(CircleBackground, ManyCloseCirclesGiveThePictureOfDrawingThemOneByOne)
{
    std::mt19937 rng(2024);
    for (int i = 0; i < 120; ++i) {
        const int32_t largest = int32_t(rng() % 140);
        const int32_t spacing = 1 + int32_t(rng() % 4);
        const Point centre{largest + int32_t(rng() % 30) - 15, int32_t(rng() % 200) - 40};
        Window w;
        w.origin = {int32_t(rng() % 100) - 50, int32_t(rng() % 100) - 50};
        w.clip = {int32_t(rng() % 60), int32_t(rng() % 60), 60 + int32_t(rng() % 100), 40 + int32_t(rng() % 80)};
        w.brush = rng() % 4 == 0 ? Brush{BrushStyle::Hollow, colours::black} : Brush{BrushStyle::Solid, rgb(250, 240, 230)};
        const PixelBuffer expected = circlesOneByOne(centre, largest, spacing, w);
        const PixelBuffer actual = circlesAsDrawn(centre, largest, spacing, w);
        ASSERT_EQ(actual.pixels(), expected.pixels())
            << "largest " << largest << ", spacing " << spacing << ", centre " << centre.x << "," << centre.y;
    }
}

TEST(CircleBackground, FewCirclesAreStillDrawnAsFigures)
{
    // Devices without a picture of their own (printing, recording) see the circles themselves.
    struct CountingDC : CDC {
        int ellipses = 0;
        void lineTo(int32_t, int32_t) override {}
        void ellipse(const Rect&) override { ++ellipses; }
        void rectangle(const Rect&) override {}
        void arc(const Rect&, Point, Point) override {}
        void fillRect(const Rect&, Colour) override {}
        void frameRect(const Rect&, Colour) override {}
        void drawFocusRect(const Rect&) override {}
        void setPixel(int32_t, int32_t, Colour) override {}
        void textOut(int32_t, int32_t, std::string_view) override {}
        TextMetrics textMetrics() const override { return {}; }
        int32_t textWidth(std::string_view) const override { return 0; }
    } dc;
    dc.selectPen(kGreyPen);
    drawCircleBackground(dc, {300, 150}, 300, 1);
    EXPECT_EQ(dc.ellipses, 302);
}
