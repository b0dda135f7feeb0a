// Invariants of the tools' gestures: a gesture runs from a press to its
// release and calls the hooks of the current tool in that order; Escape, or
// choosing another tool, ends it without effect and takes its feedback
// along, and the release that follows does nothing; the feedback helper
// erases exactly what it drew, whatever it is asked to show next.

#include "support/Session.h"
#include "view/tools/GestureFeedback.h"
#include "view/tools/Tool.h"

#include <gtest/gtest.h>

#include <string>

using namespace loopora;
using loopora::test::Session;

namespace {

// A tool that writes down which hooks the base calls.
class HookLog : public CTool {
public:
    using CTool::CTool;
    std::string calls;

protected:
    void begin(const MouseEvent&) override { calls += "b"; }
    void drag(const MouseEvent&) override { calls += "d"; }
    void end(const MouseEvent&) override { calls += "e"; }
    void hover(const MouseEvent&) override { calls += "h"; }
    void cancel() override { calls += "c"; }
};

MouseEvent at(int32_t x, int32_t y, MouseButtons buttons = kLeftButton) { return {{x, y}, buttons, {}}; }

// The pixels the window shows are those a full repaint of the chart gives.
bool showsOnlyTheChart(Session& s)
{
    const std::vector<Pixel> shown = s.view().pixels().pixels();
    s.view().invalidateAll();
    s.view().paint();
    return shown == s.view().pixels().pixels();
}

} // namespace

TEST(ToolGesture, TheBaseCallsTheHooksOfOneGestureInOrder)
{
    CCanvas canvas;
    CToolRegistry tools(canvas);
    HookLog tool(tools);
    tool.move(at(5, 5, kNoButton));
    tool.release(at(5, 5, kNoButton)); // no gesture: nothing ends
    tool.press(at(10, 10));
    tool.move(at(20, 20));
    tool.move(at(30, 30));
    tool.release(at(30, 30, kNoButton));
    EXPECT_EQ(tool.calls, "hbdde");
    EXPECT_EQ(tool.pressPoint(), (Point{10, 10}));
    EXPECT_EQ(tool.currentPoint(), (Point{30, 30}));
    EXPECT_TRUE(tool.dragging());
    EXPECT_FALSE(tool.gestureInProgress());
}

TEST(ToolGesture, ACancelledGestureNeitherDragsNorEnds)
{
    CCanvas canvas;
    CToolRegistry tools(canvas);
    HookLog tool(tools);
    tool.press(at(10, 10));
    tool.move(at(20, 20));
    tool.cancelGesture();
    tool.move(at(30, 30)); // the button is still held
    tool.release(at(30, 30, kNoButton));
    tool.cancelGesture(); // nothing left to cancel
    EXPECT_EQ(tool.calls, "bdc");
    tool.press(at(40, 40));
    tool.deactivate();
    EXPECT_EQ(tool.calls, "bdcbc");
}

TEST(ToolGesture, EscapeDuringAPlacementPlacesNothingAndLeavesNoBand)
{
    Session s({300, 300});
    s.run({"new 300 300 0 30", "tool double", "press 100 200", "move 100 150 left", "move 100 120 left", "key ESCAPE"});
    EXPECT_TRUE(showsOnlyTheChart(s));
    s.run({"move 100 100 left", "release 100 100"});
    EXPECT_EQ(s.elements(), 0u);
    EXPECT_EQ(s.historySize(), 0u);
    EXPECT_TRUE(showsOnlyTheChart(s));
    // The next drag places as ever.
    s.run({"drag 100 200 100 120"});
    EXPECT_EQ(s.elements(), 1u);
}

TEST(ToolGesture, EscapeDuringASelectionBandSelectsNothingMore)
{
    Session s({300, 300});
    s.run({"new 300 300 0 30", "tool double", "drag 100 200 100 120", "tool select", "click 250 250",
           "press 20 20", "move 200 250 left", "key ESCAPE", "release 200 250"});
    EXPECT_TRUE(s.canvas().selection().empty());
    EXPECT_TRUE(showsOnlyTheChart(s));
}

TEST(ToolGesture, EscapeDuringAMoveOrAHandleDragChangesNothing)
{
    Session s({300, 300});
    s.run({"new 300 300 0 30", "tool line", "drag 50 50 150 50", "tool double", "drag 100 250 100 170",
           "tool select", "press 100 210", "move 140 220 left", "key ESCAPE", "release 140 220"});
    EXPECT_TRUE(showsOnlyTheChart(s));
    s.run({"press 150 50", "move 200 90 left", "key ESCAPE", "move 210 100 left", "release 210 100"});
    EXPECT_TRUE(showsOnlyTheChart(s));
    EXPECT_EQ(s.historySize(), 2u); // the two placements only
    EXPECT_EQ(s.element(0)->points(), (std::vector<Point>{{50, 50}, {150, 50}}));
    // Another drag of the same handle works as ever.
    s.run({"drag 150 50 150 90"});
    EXPECT_EQ(s.element(0)->points(), (std::vector<Point>{{50, 50}, {150, 90}}));
}

TEST(ToolGesture, EscapeDuringARotationTurnsNothingAndWipesTheRadii)
{
    Session s({300, 300});
    s.run({"new 300 300 0 30", "tool double", "drag 150 200 150 120", "tool rotatebyarc"});
    const std::vector<Point> before = s.element(0)->points();
    s.run({"press 200 160", "move 190 200 left", "move 160 210 left", "key ESCAPE"});
    EXPECT_TRUE(showsOnlyTheChart(s));
    s.run({"release 160 210"});
    EXPECT_EQ(s.element(0)->points(), before);
    EXPECT_EQ(s.historySize(), 1u);
}

TEST(ToolGesture, EscapeWithoutAGestureKeepsTheSelection)
{
    Session s({300, 300});
    s.run({"new 300 300 0 30", "tool double", "drag 100 200 100 120", "key ESCAPE"});
    EXPECT_EQ(s.canvas().selection().size(), 1u);
    EXPECT_EQ(s.canvas().current(), s.element(0));
}

TEST(GestureFeedbackHelper, ErasesExactlyWhatItDrewAtEveryZoom)
{
    for (int32_t level : {25, 100, 150, 400}) {
        Session s({200, 200});
        s.run({"new 200 200 2 20", "tool double", "drag 100 150 100 60", "zoom " + std::to_string(level) + " 60 50"});
        s.view().paint();
        GestureFeedback feedback(s.view().tools());
        const std::vector<Pixel> before = s.view().pixels().pixels();
        feedback.show(FeedbackShape::dottedLine({10, 10}, {150, 120}));
        EXPECT_NE(s.view().pixels().pixels(), before) << level << "%";
        feedback.show(FeedbackShape::focusFrame({30, 40, 170, 180}));
        feedback.show(FeedbackShape::line({90, 20}, {100, 190}));
        EXPECT_TRUE(feedback.shown());
        feedback.hide();
        EXPECT_FALSE(feedback.shown());
        EXPECT_EQ(s.view().pixels().pixels(), before) << level << "%";
        feedback.hide(); // twice is once
        EXPECT_EQ(s.view().pixels().pixels(), before) << level << "%";
    }
}
