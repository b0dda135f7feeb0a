// Invariants: a gesture's feedback (the rubber band of a selection or a
// placement, the frame of a move, the line of a handle drag) is seen while
// the gesture lasts and nothing of it stays once the gesture ends, also when
// the pointer is released away from where it last moved, and when the view
// scrolls or repaints under it.

#include "support/Session.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::Session;

namespace {

// The pixels the window shows are those a full repaint of the chart gives.
testing::AssertionResult showsOnlyTheChart(Session& s)
{
    const std::vector<Pixel> shown = s.view().pixels().pixels();
    s.view().invalidateAll();
    s.view().paint();
    const std::vector<Pixel>& chart = s.view().pixels().pixels();
    size_t differing = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        differing += shown[i] != chart[i];
    if (differing == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ from a repaint";
}

} // namespace

TEST(GestureFeedback, SelectionBandReleasedAwayFromTheLastMoveLeavesNoTrace)
{
    Session s({400, 400});
    s.run({"new 400 400 1 30", "tool double", "drag 200 300 200 220", "tool select", "click 380 380"});
    const std::vector<Pixel> before = s.view().pixels().pixels();
    s.run({"press 20 20", "move 150 150 left", "move 250 200 left"});
    EXPECT_TRUE(s.view().pixels().pixels() != before); // the band is on screen
    s.run({"release 350 120"});
    EXPECT_TRUE(showsOnlyTheChart(s));
}

TEST(GestureFeedback, ScrollingDuringASelectionBandLeavesNoTrace)
{
    Session s({300, 300});
    s.run({"new 600 600 2 30", "tool select", "press 20 20", "move 200 150 left", "scroll 60 40",
           "move 250 250 left", "key RIGHT", "move 120 260 left", "release 120 260"});
    EXPECT_TRUE(showsOnlyTheChart(s));
}

TEST(GestureFeedback, ArrowKeyScrollDuringAPlacementLeavesNoTrace)
{
    Session s({300, 300});
    // Released where it started, nothing is placed and nothing else repaints.
    s.run({"new 600 600 1 30", "tool line", "scroll 150 0", "press 100 40", "move 250 120 left", "key LEFT",
           "move 200 150 left", "release 252 42"});
    EXPECT_EQ(s.elements(), 0u);
    EXPECT_TRUE(showsOnlyTheChart(s));
}

TEST(GestureFeedback, MoveFrameAndHandleLineGoWithTheirDrags)
{
    Session s({300, 300});
    s.run({"new 600 600 0 30", "tool line", "drag 50 50 150 50", "tool double", "drag 100 250 100 170",
           "tool select", "press 100 210", "move 130 220 left", "scroll 30 30", "move 100 230 left",
           "release 90 200"});
    EXPECT_TRUE(showsOnlyTheChart(s));
    // A line's end point: the dotted line to the pointer goes with the drag.
    s.run({"scroll 0 0", "press 150 50", "move 200 90 left", "scroll 20 0", "move 180 100 left", "release 170 110"});
    EXPECT_TRUE(showsOnlyTheChart(s));
    EXPECT_EQ(s.historySize(), 4u);
}

TEST(GestureFeedback, ChangingToolsInTheMiddleOfADragTakesTheBandAlong)
{
    Session s({300, 300});
    s.run({"new 300 300 0 30", "tool line", "press 40 40", "move 200 120 left", "tool select"});
    EXPECT_TRUE(showsOnlyTheChart(s));
}
