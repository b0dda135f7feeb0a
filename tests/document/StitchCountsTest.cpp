// Invariants of stitch counting: a chart, a selection, a group or an
// arrangement counts every stitch symbol on the sheet once, by its type, with
// what the symbol is worked into and makes; a symbol's own strokes and
// sub-symbols are never counted again; deleted, cut and undone elements are
// left out until they come back; pasted copies count like any other.

#include "document/Legend.h"
#include "document/StitchCounts.h"
#include "support/Session.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::Session;

namespace {

int32_t of(const StitchTally& tally, const char* tool) { return tally.symbolsOfType[size_t(typeIdOfName(tool))]; }

// A round of a flat circle: a ring of 6 chains, 12 doubles around it and a
// round of 12 two-double fans, each arc made from its symbol, which stands
// apart at the bottom.
void magicRing(Session& s)
{
    s.run({"new 600 600 0 30", "answer ok count=6 loopsize=2", "command 33029", "drag 280 300 320 300",
           "tool double", "drag 60 560 60 520", "answer menu 33043", "answer ok count=12 angle=360", "rclick 60 540",
           "drag 300 300 340 300", "tool double1to2flat", "drag 540 560 540 520", "answer menu 33043",
           "answer ok count=12 angle=360", "rclick 540 540", "drag 300 300 380 300"});
}

} // namespace

TEST(StitchCounts, AMagicRingRoundGrowsByTheFans)
{
    Session s;
    magicRing(s);
    ASSERT_EQ(s.elements(), 5u);
    const StitchTally chart = countStitches(s.canvas());
    EXPECT_EQ(of(chart, "chain"), 6);
    EXPECT_EQ(of(chart, "double"), 13);
    EXPECT_EQ(of(chart, "double1to2flat"), 13);
    EXPECT_EQ(chart.symbols, 32);
    EXPECT_EQ(chart.workedInto, 13 + 13);
    EXPECT_EQ(chart.makes, 6 + 13 + 26);

    const std::vector<HolderTally> holders = countHolders(s.canvas());
    ASSERT_EQ(holders.size(), 3u);
    EXPECT_EQ(holders[0].holder->typeId(), typeids::kChainRing);
    EXPECT_EQ(holders[0].makes, 6);
    EXPECT_EQ(holders[0].workedInto, 0);
    EXPECT_EQ(holders[1].holder->typeId(), typeids::kArc);
    EXPECT_EQ(holders[1].workedInto, 12);
    EXPECT_EQ(holders[1].makes, 12);
    EXPECT_EQ(holders[2].workedInto, 12);
    EXPECT_EQ(holders[2].makes, 24);
    EXPECT_EQ(holders[2].depth, 1);
}

TEST(StitchCounts, ARowAndArcsWithLoopsCountTheirChains)
{
    Session s;
    s.run({"new 600 600 0 30", "tool single", "drag 50 550 50 520", "answer menu 33042", "answer ok count=10",
           "rclick 50 535", "drag 100 100 500 100", "tool double", "drag 300 560 300 500", "answer menu 33044",
           "answer ok loops=2 count=8", "rclick 300 530", "drag 300 300 360 300"});
    const std::vector<HolderTally> holders = countHolders(s.canvas());
    ASSERT_EQ(holders.size(), 2u);
    EXPECT_EQ(of(holders[0].ownTally(), "single"), 10);
    EXPECT_EQ(holders[0].makes, 10);
    EXPECT_EQ(of(holders[1].ownTally(), "double"), 8);
    EXPECT_EQ(of(holders[1].ownTally(), "chain"), 16);
    EXPECT_EQ(holders[1].workedInto, 8);
    EXPECT_EQ(holders[1].makes, 8 + 16);
}

// The yarn's join and fasten-off marks are in the key with their counts, but
// they are no stitches: the totals leave them out.
TEST(StitchCounts, YarnMarksAreListedButNotCountedAsStitches)
{
    Session s;
    s.run({"new 400 400 0 30", "tool joinyarn", "drag 50 100 50 80", "tool double", "drag 100 100 100 60",
           "tool fastenoff", "drag 150 100 150 80", "tool select", "click 150 90"});
    const Legend legend = makeLegend(s.canvas());
    ASSERT_EQ(legend.rows.size(), 3u);
    EXPECT_EQ(legend.rows[0].type->name, "double");
    EXPECT_EQ(legend.rows[1].type->name, "joinyarn");
    EXPECT_EQ(legend.rows[2].type->name, "fastenoff");
    EXPECT_EQ(legend.rows[2].inChart, 1);
    EXPECT_EQ(legend.chart.symbols, 1);
    EXPECT_EQ(legend.chart.marks, 2);
    EXPECT_EQ(legend.chart.makes, 1);
    // A selection of one mark is shown, though it holds no stitch.
    EXPECT_TRUE(legend.hasSelection);
    EXPECT_EQ(legend.selection.symbols, 0);
}

TEST(StitchCounts, SymbolsAreCountedOnceNotByTheirParts)
{
    CCanvas canvas;
    // A V-stitch holds a chain, a cluster a half double, a post stitch a double.
    for (const char* tool : {"double1to2chain1", "double1to3zao", "topscratch", "double1to2chain3"})
        test::place(canvas, typeIdOfName(tool), {{100, 200}, {100, 150}});
    test::place(canvas, typeids::kLine, {{10, 10}, {50, 10}});
    test::place(canvas, typeids::kText, {{10, 10}, {50, 40}});
    const StitchTally chart = countStitches(canvas);
    EXPECT_EQ(chart.symbols, 4);
    EXPECT_EQ(of(chart, "chain") + of(chart, "halfdouble") + of(chart, "double") + of(chart, "chain3"), 0);
    EXPECT_EQ(chart.workedInto, 4);
    EXPECT_EQ(chart.makes, 3 + 1 + 1 + 5);
}

TEST(StitchCounts, NestedGroupsCountWhatTheyHoldAtEveryLevel)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 50 100 50 60", "drag 80 100 80 60", "tool chain",
           "drag 150 100 190 100", "tool select", "click 50 80", "click 80 80 ctrl", "group", "click 170 100 ctrl",
           "group"});
    ASSERT_EQ(s.elements(), 1u);
    const std::vector<HolderTally> holders = countHolders(s.canvas());
    ASSERT_EQ(holders.size(), 2u);
    EXPECT_EQ(holders[0].depth, 1);
    EXPECT_EQ(holders[0].symbols, 3);
    EXPECT_EQ(holders[0].makes, 3);
    EXPECT_EQ(holders[1].depth, 2);
    EXPECT_EQ(holders[1].holder->parent(), holders[0].holder);
    EXPECT_EQ(holders[1].parent, 0);
    EXPECT_EQ(holders[0].parent, -1);
    // The outer group holds the chain itself; the doubles are the inner group's.
    EXPECT_EQ(holders[0].ownTally().symbols, 1);
    EXPECT_EQ(of(holders[0].ownTally(), "chain"), 1);
    EXPECT_EQ(of(holders[1].ownTally(), "double"), 2);
    EXPECT_EQ(countStitches(s.canvas()).symbols, 3);
    // The selected outer group, and the inner one with it, count each double once.
    std::vector<CChartElement*> both{const_cast<CChartElement*>(holders[1].holder),
                                     const_cast<CChartElement*>(holders[0].holder)};
    EXPECT_EQ(countStitches(both).symbols, 3);
}

TEST(StitchCounts, UndoneDeletedAndCutElementsAreLeftOutUntilTheyComeBack)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 50 100 50 60", "drag 100 100 100 60", "drag 150 100 150 60"});
    EXPECT_EQ(countStitches(s.canvas()).symbols, 3);
    s.run({"undo"});
    EXPECT_EQ(countStitches(s.canvas()).symbols, 2);
    s.run({"redo"});
    EXPECT_EQ(countStitches(s.canvas()).symbols, 3);
    s.run({"tool select", "click 50 80", "key DELETE"});
    EXPECT_EQ(countStitches(s.canvas()).symbols, 2);
    s.run({"click 100 80", "cut"});
    EXPECT_EQ(countStitches(s.canvas()).symbols, 1);
    EXPECT_EQ(countHolders(s.canvas()).size(), 0u);
    s.run({"paste", "paste"});
    EXPECT_EQ(countStitches(s.canvas()).symbols, 3);
    EXPECT_EQ(countStitches(s.canvas()).makes, 3);
    s.run({"undo", "undo", "undo"});
    EXPECT_EQ(countStitches(s.canvas()).symbols, 2);
}

TEST(StitchCounts, TheSelectionCountsWhatIsSelected)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 50 100 50 60", "tool double1to3", "drag 100 100 100 60",
           "tool chain", "drag 150 100 190 100", "tool select", "click 50 80", "click 100 80 ctrl"});
    const StitchTally selected = countStitches(s.canvas().selection().members());
    EXPECT_EQ(selected.symbols, 2);
    EXPECT_EQ(selected.workedInto, 2);
    EXPECT_EQ(selected.makes, 4);
    EXPECT_EQ(countStitches(std::vector<CChartElement*>{}).symbols, 0);
}

TEST(Legend, ListsTheTypesOnTheSheetInPatternBookOrder)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double1to3", "drag 100 100 100 60", "tool double", "drag 50 100 50 60",
           "drag 60 100 60 60", "tool chain", "drag 150 100 190 100", "tool double3to1", "drag 250 100 250 60",
           "tool select", "click 50 80"});
    const Legend legend = makeLegend(s.canvas());
    ASSERT_EQ(legend.rows.size(), 4u);
    EXPECT_EQ(legend.rows[0].type->name, "chain");
    EXPECT_EQ(legend.rows[1].type->name, "double");
    EXPECT_EQ(legend.rows[2].type->name, "double1to3");
    EXPECT_EQ(legend.rows[3].type->name, "double3to1");
    EXPECT_EQ(legend.rows[1].inChart, 2);
    EXPECT_EQ(legend.rows[1].inSelection, 1);
    EXPECT_EQ(legend.rows[0].inSelection, 0);
    EXPECT_TRUE(legend.hasSelection);
    EXPECT_EQ(legend.chart.symbols, 5);
    EXPECT_EQ(legend.chart.workedInto, 1 + 2 + 3);
    EXPECT_EQ(legend.chart.makes, 3 + 2 + 1 + 1);
    s.run({"click 390 390"});
    EXPECT_FALSE(makeLegend(s.canvas()).hasSelection);
}
