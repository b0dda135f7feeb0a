// Invariants of partial repaints: a repaint draws only the elements whose
// drawn area meets the repainted part of the window, and leaves exactly the
// pixels a repaint of the whole window gives, whatever reaches beyond an
// element's bounds (a wide pen, a label's text running out of its frame)
// and at any zoom.

#include "document/TypeTable.h"
#include "elements/TextElement.h"
#include "support/RepaintCheck.h"
#include "support/Session.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <random>

using namespace loopora;
using loopora::test::place;
using loopora::test::Session;
using loopora::test::showsWhatARepaintShows;

namespace {

// A chart crowded with symbols around (200, 200), a line of a wide pen and
// a label whose text runs far out of its small frame.
void crowd(CCanvas& canvas)
{
    const char* names[] = {"double", "chain", "treble", "double1to3", "slipstitch", "double3to1flat", "single"};
    std::mt19937 rng(14);
    std::uniform_int_distribution<int> at(120, 280);
    for (int i = 0; i < 300; ++i) {
        const Point base{at(rng), at(rng)};
        place(canvas, typeIdOfName(names[i % 7]), {base, {base.x + 3, base.y - 20}}, {2, colours::black, 0});
    }
    place(canvas, typeIdOfName("line"), {{150, 120}, {260, 250}}, {40, rgb(200, 0, 0), 0});
    auto* label = static_cast<CTextElement*>(place(canvas, typeIdOfName("text"), {{180, 140}, {190, 150}}));
    label->setText("a label much wider than its frame\r\nin two lines");
}

// Counts how often it is drawn, as the bitmap's pixels or as its shapes.
class CountedFigure : public CChartElement {
public:
    CountedFigure(Point a, Point b) { setPoints({a, b}); }
    void drawShape(CDC&) override { ++draws; }
    void describeShape(ShapeSink&) const override { ++draws; }
    mutable int draws = 0;
};

} // namespace

TEST(PartialRepaint, MovingOneSymbolLeavesWhatAFullRepaintShows)
{
    for (const char* zoom : {"zoom 100", "zoom 300 200 150", "zoom 800 217 133"}) {
        Session s({400, 300});
        s.run({"new 400 400 1 30", zoom});
        crowd(s.canvas());
        s.view().invalidateAll();
        s.run({"tool select"});
        // The line of the wide pen, then a symbol under it, then the label, each moved by a key.
        for (CChartElement* e : {s.element(300), s.element(150), s.element(301)}) {
            s.canvas().select(e, SelectMode::Replace);
            s.canvas().setCurrent(e);
            s.view().invalidateAll(); // the handles move to it
            s.view().paint();
            s.run({"key LEFT", "key DOWN", "key RIGHT ctrl"});
            EXPECT_TRUE(showsWhatARepaintShows(s)) << zoom;
        }
    }
}

TEST(PartialRepaint, AWholeWindowComesOutAsItsSmallPartsDo)
{
    // A window this large is drawn in bands at once; tiles of it are drawn
    // whole, one at a time. Labels lie at every height, so that the bands
    // share the chart's font.
    for (const char* zoom : {"zoom 50", "zoom 300 200 150", "zoom 800 217 133"}) {
        Session s({900, 700});
        s.run({"new 400 400 1 30", zoom});
        crowd(s.canvas());
        for (int32_t y = 100; y <= 300; y += 20) {
            auto* label = static_cast<CTextElement*>(place(s.canvas(), typeIdOfName("text"), {{150 + y / 4, y}, {170, y + 8}}));
            label->setText("label");
        }
        s.view().invalidateAll();
        s.view().paint();
        for (int32_t y = 0; y < 700; y += 100)
            for (int32_t x = 0; x < 900; x += 150) {
                s.view().invalidateWindowRect({x, y, x + 150, y + 100});
                s.view().paint();
            }
        EXPECT_TRUE(showsWhatARepaintShows(s)) << zoom;
    }
}

TEST(PartialRepaint, ALabelMovedOrRetypedLeavesNoTraceOfItsText)
{
    Session s({400, 300});
    s.run({"new 300 300 0 30", "tool text", "drag 20 20 40 40", "answer menu 33038",
           "answer ok \"text=a text running out of the frame\\nand a second line\"", "rclick 30 30"});
    EXPECT_TRUE(showsWhatARepaintShows(s));
    s.run({"key DOWN", "key DOWN", "key RIGHT"});
    EXPECT_TRUE(showsWhatARepaintShows(s));
    s.run({"answer menu 33038", "answer ok text=short", "rclick 30 35", "undo", "redo"});
    EXPECT_TRUE(showsWhatARepaintShows(s));
}

TEST(PartialRepaint, DrawsOnlyTheElementsReachingTheRepaintedArea)
{
    Session s({400, 300});
    s.run({"new 400 300 0 30"});
    auto near = std::make_unique<CountedFigure>(Point{10, 10}, Point{30, 30});
    auto far = std::make_unique<CountedFigure>(Point{300, 200}, Point{350, 250});
    CountedFigure* nearFigure = near.get();
    CountedFigure* farFigure = far.get();
    s.canvas().appendChild(std::move(near));
    s.canvas().appendChild(std::move(far));
    s.view().invalidateAll();
    s.view().paint();
    EXPECT_EQ(nearFigure->draws, 1);
    EXPECT_EQ(farFigure->draws, 1);

    s.view().invalidateWindowRect({0, 0, 50, 50});
    s.view().paint();
    EXPECT_EQ(nearFigure->draws, 2);
    EXPECT_EQ(farFigure->draws, 1);
    // Zoomed in, the far figure is out of the window altogether.
    s.run({"zoom 400"});
    EXPECT_EQ(nearFigure->draws, 3);
    EXPECT_EQ(farFigure->draws, 1);
}

TEST(PartialRepaint, DrawnBoundsReachAsFarAsWidePensAndTexts)
{
    CCanvas canvas;
    CChartElement* thin = place(canvas, typeIdOfName("line"), {{100, 100}, {200, 100}}, {2, colours::black, 0});
    CChartElement* wide = place(canvas, typeIdOfName("line"), {{100, 100}, {200, 100}}, {60, colours::black, 0});
    EXPECT_EQ(thin->drawnBounds(), thin->getBounds());
    EXPECT_EQ(wide->drawnBounds(), wide->getBounds().inflated(26)); // half the pen and a pixel, less the 5 kept anyway
    auto* label = static_cast<CTextElement*>(place(canvas, typeIdOfName("text"), {{10, 10}, {20, 20}}));
    const Rect placeholder = label->drawnBounds();
    EXPECT_GT(placeholder.right, 60); // "Введите" runs out of the 10-pixel frame
    label->setText("a\r\nb\r\nc\r\nd");
    EXPECT_GT(label->drawnBounds().bottom, 40);
    // A symbol reaches as far as its strokes, and learns when their pen changes.
    CChartElement* symbol = place(canvas, typeIdOfName("double"), {{300, 300}, {300, 250}}, {40, colours::black, 0});
    const Rect wideSymbol = symbol->drawnBounds();
    for (const auto& stroke : symbol->children())
        EXPECT_EQ(Rect::united(wideSymbol, stroke->drawnBounds()), wideSymbol);
    symbol->setPen({2, colours::black, 0});
    EXPECT_EQ(symbol->drawnBounds(), symbol->getBounds());
    EXPECT_LT(symbol->drawnBounds().width(), wideSymbol.width());
}
