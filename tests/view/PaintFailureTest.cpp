// Invariants: a paint that runs out of memory leaves the window white where it
// failed and tells the user once, not on every repaint that fails again; the
// chart, and every other open chart, goes on working.

#include "support/Session.h"

#include <gtest/gtest.h>

#include <new>

using namespace loopora;
using loopora::test::Session;

namespace {

// A figure over the middle of the sheet whose drawing needs more memory than
// there is, while `starved` is set.
class StarvedFigure : public CChartElement {
public:
    explicit StarvedFigure(bool& starved) : starved_(starved) { setPoints({{50, 50}, {250, 250}}); }
    void drawShape(CDC&) override
    {
        if (starved_)
            throw std::bad_alloc();
    }

private:
    bool& starved_;
};

} // namespace

TEST(PaintFailure, IsToldOnceAndTheChartsLiveOn)
{
    Session s;
    s.run({"new 300 300 1 30", "tool double", "drag 100 200 100 150"});
    bool starved = true;
    auto figure = std::make_unique<StarvedFigure>(starved);
    s.canvas().appendChild(std::move(figure));
    s.output();

    s.view().invalidateAll();
    s.view().paint();
    EXPECT_NE(s.output().find("Недостаточно памяти"), std::string::npos);
    EXPECT_EQ(s.view().pixels().colourAt(100, 175), colours::white); // not half drawn
    s.view().invalidateAll();
    s.view().paint();
    EXPECT_EQ(s.output(), "");

    starved = false;
    s.view().invalidateAll();
    s.view().paint();
    EXPECT_EQ(s.view().pixels().colourAt(100, 175), colours::black); // the double's stem
    starved = true;
    s.view().invalidateAll();
    s.view().paint();
    EXPECT_NE(s.output().find("Недостаточно памяти"), std::string::npos);

    // Another chart opens and draws; the first one still takes edits.
    s.run({"new 300 300 1 30", "tool double", "drag 150 200 150 150", "window 1", "tool double",
           "drag 200 200 200 150"});
    EXPECT_EQ(s.app().chart(1).view->pixels().colourAt(150, 175), colours::black);
    EXPECT_EQ(s.app().chart(0).document->canvas().childCount(), 3u);
}
