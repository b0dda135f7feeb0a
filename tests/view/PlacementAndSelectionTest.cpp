// Invariants of the editing gestures, driven as a user drives them: a drag of
// at least 5 pixels places one element, selected alone and current; the select
// tool selects, adds with Ctrl, hands drags to "move" or "change", and selects
// what a rubber band touches; every change is one entry in the history.

#include "support/Session.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::childAt;
using loopora::test::Session;

TEST(Placement, ADragOfFivePixelsPlacesOneOfFourDoesNot)
{
    Session s;
    s.run({"new 400 400 1 30", "tool double", "drag 100 100 103 104"});
    EXPECT_EQ(s.elements(), 1u);
    s.run({"drag 200 200 203 203"}); // 4.24 pixels, truncated to 4
    EXPECT_EQ(s.elements(), 1u);
    EXPECT_EQ(s.historySize(), 1u);
    s.run({"click 300 300"});
    EXPECT_EQ(s.elements(), 1u);
}

TEST(Placement, NewSymbolIsSelectedAloneAndCurrent)
{
    Session s;
    s.run({"new 400 400 1 30", "tool double", "drag 100 200 100 120", "drag 200 200 200 120"});
    ASSERT_EQ(s.elements(), 2u);
    EXPECT_EQ(s.canvas().selection().members(), std::vector<CChartElement*>{s.element(1)});
    EXPECT_EQ(s.canvas().current(), s.element(1));
    EXPECT_FALSE(s.element(0)->hasFlag(kSelected));
    // The base is the press point, the top the release point.
    EXPECT_EQ(childAt(s.element(1), 1)->points(), (std::vector<Point>{{200, 200}, {200, 120}}));
}

TEST(Placement, ChosenColourReachesEveryLaterPlacement)
{
    Session s;
    s.run({"new 400 400 0 30", "tool chain", "answer ok colour=200,10,20", "command 32776",
           "drag 50 50 50 90", "tool double", "drag 100 200 100 120"});
    EXPECT_EQ(s.element(0)->penColour(), rgb(200, 10, 20));
    EXPECT_EQ(childAt(s.element(1), 0)->penColour(), rgb(200, 10, 20));
}

TEST(SelectTool, ClickCtrlClickAndDragTheWholeSelection)
{
    Session s;
    s.run({"new 600 400 0 30", "tool line", "drag 50 100 150 100", "drag 50 200 150 200", "drag 50 300 150 300",
           "tool select", "click 100 100", "click 100 200 ctrl", "click 100 300 ctrl"});
    EXPECT_EQ(s.canvas().selection().size(), 3u);
    // Ctrl-click on a selected element keeps it selected.
    s.run({"click 100 200 ctrl"});
    EXPECT_EQ(s.canvas().selection().size(), 3u);
    // A plain press on one of them keeps all three and makes it current; the drag moves all.
    size_t before = s.historySize();
    s.run({"drag 100 200 130 210"});
    EXPECT_EQ(s.canvas().current(), s.element(1));
    EXPECT_EQ(s.historySize(), before + 1);
    EXPECT_EQ(s.element(0)->points()[0], (Point{80, 110}));
    EXPECT_EQ(s.element(2)->points()[1], (Point{180, 310}));
    // A click on empty space clears selection and current element.
    s.run({"click 500 50"});
    EXPECT_TRUE(s.canvas().selection().empty());
    EXPECT_EQ(s.canvas().current(), nullptr);
}

TEST(SelectTool, LineEndHandleMovesOnlyThatEndSymbolCornerMovesTheSymbol)
{
    Session s;
    s.run({"new 600 400 0 30", "tool line", "drag 50 100 150 100", "tool select", "click 100 100",
           "drag 150 100 170 140"});
    EXPECT_EQ(s.element(0)->points(), (std::vector<Point>{{50, 100}, {170, 140}}));
    s.run({"tool double", "drag 300 300 300 220", "tool select"});
    Point corner = s.element(1)->points()[0];
    std::vector<Point> stem = childAt(s.element(1), 1)->points();
    s.run({"drag " + std::to_string(corner.x) + " " + std::to_string(corner.y) + " " + std::to_string(corner.x + 10) +
           " " + std::to_string(corner.y)});
    EXPECT_EQ(childAt(s.element(1), 1)->points(), (std::vector<Point>{{stem[0].x + 10, stem[0].y}, {stem[1].x + 10, stem[1].y}}));
}

TEST(SelectTool, RubberBandTouchingTheMarginSelects)
{
    Session s;
    s.run({"new 600 400 0 30", "tool line", "drag 100 100 200 100", "drag 100 300 200 300", "tool select",
           "click 150 100"});
    // The line's bounds reach 5 pixels beyond it: (95, 95)-(205, 105). A band
    // to (206, 104) misses; one to (204, 104) touches. Even with Ctrl the
    // press on empty space clears the selection first.
    s.run({"press 300 150 ctrl", "move 250 120 left ctrl", "move 206 104 left ctrl", "release 206 104 ctrl"});
    EXPECT_TRUE(s.canvas().selection().empty());
    s.run({"drag 300 150 204 104"});
    EXPECT_EQ(s.canvas().selection().members(), std::vector<CChartElement*>{s.element(0)});
    EXPECT_EQ(s.canvas().current(), nullptr);
}

TEST(SelectTool, ADoubleClickIsNothingMoreThanAClick)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 100 200 100 120", "tool select", "dblclick 100 160"});
    EXPECT_EQ(s.canvas().current(), s.element(0));
    EXPECT_EQ(s.historySize(), 1u);
}

TEST(Keys, ArrowsMoveTheSelectionOrScrollWithoutOne)
{
    Session s({300, 200});
    s.run({"new 600 600 0 30", "tool line", "drag 50 50 100 50", "key LEFT"});
    EXPECT_EQ(s.element(0)->points()[0], (Point{45, 50}));
    EXPECT_EQ(s.historySize(), 2u);
    s.run({"undo"});
    EXPECT_EQ(s.element(0)->points()[0], (Point{50, 50}));
    s.run({"tool select", "click 500 150", "key RIGHT"});
    EXPECT_EQ(s.view().scrollPosition(), (Point{150, 0}));
    s.run({"key DOWN", "key HOME"});
    EXPECT_EQ(s.view().scrollPosition(), (Point{0, 0}));
    s.run({"key DELETE"});
    EXPECT_EQ(s.historySize(), 2u);
}

TEST(Keys, UpAndDownDoNothingWhenTheSheetFitsTheWindow)
{
    Session s({800, 600});
    s.run({"new 300 300 0 30", "key DOWN"});
    EXPECT_EQ(s.view().scrollPosition(), (Point{0, 0}));
}

TEST(Keys, DeleteHidesTheSelectionAndUndoShowsItUnselected)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 100 200 100 120", "key DELETE"});
    EXPECT_TRUE(s.element(0)->hasFlag(kHidden));
    EXPECT_EQ(s.canvas().current(), nullptr);
    s.run({"undo"});
    EXPECT_FALSE(s.element(0)->hasFlag(kHidden));
    EXPECT_FALSE(s.element(0)->hasFlag(kSelected));
}

TEST(Keys, WhatUndoOrCutHidesIsNeitherCurrentNorSelected)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 100 200 100 120", "undo"});
    EXPECT_EQ(s.canvas().current(), nullptr);
    EXPECT_TRUE(s.canvas().selection().empty());
    // The menu of empty space is the chart's, and a rotation drag there records nothing...
    s.run({"answer menu 0", "rclick 100 160"});
    EXPECT_EQ(s.output(), "menu 157: \"Параметры схемы\"\n");
    s.run({"command 32783", "drag 150 160 100 250"});
    EXPECT_EQ(s.historySize(), 1u);
    // ...so the double still comes back.
    s.run({"redo"});
    EXPECT_FALSE(s.element(0)->hasFlag(kHidden));

    // Cut: the arrow keys no longer move what is gone, they scroll.
    s.run({"tool select", "click 100 160", "cut", "key LEFT", "key UP ctrl"});
    EXPECT_EQ(s.historySize(), 2u);
    EXPECT_EQ(s.canvas().current(), nullptr);
    EXPECT_TRUE(s.canvas().selection().empty());
}

TEST(HotKeys, CtrlArrowsNudgeByOnePixelAndCtrlYRedoes)
{
    Session s;
    s.run({"new 400 400 0 30", "tool line", "drag 50 50 100 50", "key UP ctrl", "key RIGHT ctrl"});
    EXPECT_EQ(s.element(0)->points()[0], (Point{51, 49}));
    s.run({"undo", "undo", "key Y ctrl"});
    EXPECT_EQ(s.element(0)->points()[0], (Point{50, 49}));
    s.run({"key F10 ctrl"});
    EXPECT_EQ(s.element(0)->points()[0], (Point{51, 49}));
    // With nothing selected a nudge records nothing.
    s.run({"tool select", "click 300 300"});
    size_t before = s.historySize();
    s.run({"key LEFT ctrl"});
    EXPECT_EQ(s.historySize(), before);
}

TEST(Status, ChartCoordinatesFollowTheScrollPosition)
{
    Session s({200, 200});
    s.run({"new 600 600 0 30", "scroll 100 50", "move 10 20"});
    EXPECT_EQ(s.output(), "");
    s.run({"status"});
    EXPECT_EQ(s.output(), "逻辑坐标:(110,70)\n屏幕坐标:(10,20)\n");
}

TEST(Placement, RubberBandLeavesNoTraceWhenNothingIsPlaced)
{
    Session s({300, 300});
    s.run({"new 300 300 1 30", "tool double", "drag 100 100 180 220", "undo"});
    std::vector<Pixel> before = s.view().pixels().pixels();
    s.run({"press 50 50", "move 120 200 left", "move 200 90 left", "move 52 52 left", "release 52 52"});
    EXPECT_EQ(s.historySize(), 1u);
    EXPECT_TRUE(s.view().pixels().pixels() == before);
}

TEST(Placement, RubberBandIsDrawnWhileDragging)
{
    Session s({300, 300});
    s.run({"new 300 300 0 30", "tool line", "press 50 50", "move 250 50 left"});
    // A dotted line inverts the white sheet: some pixels on the row are dark.
    int dark = 0;
    for (int32_t x = 50; x < 250; ++x)
        dark += s.view().pixels().colourAt(x, 50) != colours::white;
    EXPECT_GT(dark, 50);
    s.run({"release 250 50"});
    EXPECT_EQ(s.elements(), 1u);
}
