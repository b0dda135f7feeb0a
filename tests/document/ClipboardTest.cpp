// Invariants: the element clipboard is one list shared by every chart; Copy
// refills it with deep copies of the selection and restarts the copying
// canvas's paste counter only when it replaced old contents; each Paste adds
// fresh copies owned by the target chart, shifted right by 15, 20, 25...
// pixels and never down, unselected; undo hides them and redo shows the same
// copies; a canvas going away leaves the clipboard alone (the application
// empties it when a chart window closes).

#include "document/ChartFile.h"
#include "document/Clipboard.h"
#include "support/SmallChart.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::SmallChart;

namespace {

using Points = std::vector<Point>;

class Clipboard : public testing::Test {
protected:
    void SetUp() override { ElementClipboard::clear(); }
    void TearDown() override { ElementClipboard::clear(); }
};

CChartElement* lastChild(const CChartElement& parent) { return parent.child(parent.childCount() - 1); }

} // namespace

TEST_F(Clipboard, CopyWithNothingSelectedEmptiesItAndPasteThenDoesNothing)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    ASSERT_TRUE(chart.canvas.copy());
    chart.canvas.select(nullptr, SelectMode::Replace);
    EXPECT_FALSE(chart.canvas.copy());
    EXPECT_TRUE(ElementClipboard::empty());
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.paste(chart.canvas));
    EXPECT_EQ(chart.state(), before);
    EXPECT_EQ(chart.canvas.history().size(), 0u);
}

TEST_F(Clipboard, CopyHoldsDeepCopiesInSelectionOrderAndChangesNoChart)
{
    SmallChart chart;
    chart.canvas.select(chart.group, SelectMode::Replace);
    chart.canvas.select(chart.line, SelectMode::Add);
    const std::string before = chart.state();
    ASSERT_TRUE(chart.canvas.copy());
    EXPECT_EQ(chart.state(), before);
    EXPECT_EQ(chart.canvas.history().size(), 0u);
    ASSERT_EQ(ElementClipboard::size(), 2u);
    const CChartElement& group = *ElementClipboard::elements()[0];
    EXPECT_NE(&group, chart.group);
    EXPECT_EQ(group.parent(), nullptr);
    EXPECT_EQ(group.flags(), 0);
    ASSERT_EQ(group.childCount(), 2u);
    EXPECT_EQ(group.child(1)->points(), chart.group->child(1)->points());
    EXPECT_EQ(ElementClipboard::elements()[1]->points(), chart.line->points());
}

TEST_F(Clipboard, SuccessivePastesLandFurtherRightNeverLower)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.copy();
    for (int shift : {15, 20, 25}) {
        ASSERT_TRUE(chart.canvas.paste(chart.canvas));
        CChartElement* pasted = lastChild(chart.canvas);
        EXPECT_EQ(pasted->points(), (Points{{10 + shift, 10}, {50 + shift, 10}}));
        EXPECT_EQ(pasted->parent(), &chart.canvas);
        EXPECT_EQ(pasted->canvas(), &chart.canvas);
        EXPECT_FALSE(pasted->hasFlag(kSelected));
    }
    EXPECT_EQ(chart.canvas.childCount(), 6u);
    EXPECT_EQ(chart.canvas.pasteCounter(), 3);
    EXPECT_EQ(chart.canvas.history().size(), 3u);
    EXPECT_EQ(chart.canvas.selection().members(), std::vector<CChartElement*>{chart.line});
}

TEST_F(Clipboard, CopyRestartsTheCounterOnlyWhenItReplacesContents)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.copy();
    chart.canvas.paste(chart.canvas);
    chart.canvas.paste(chart.canvas);
    ASSERT_EQ(chart.canvas.pasteCounter(), 2);
    chart.canvas.copy(); // replaces the contents
    EXPECT_EQ(chart.canvas.pasteCounter(), 0);
    chart.canvas.paste(chart.canvas);
    chart.canvas.select(nullptr, SelectMode::Replace);
    chart.canvas.copy(); // empties it: the counter is restarted with the old contents
    EXPECT_EQ(chart.canvas.pasteCounter(), 0);
    chart.canvas.paste(chart.canvas);
    chart.canvas.paste(chart.canvas);
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.copy(); // fills an empty clipboard: the counter keeps its value
    EXPECT_EQ(chart.canvas.pasteCounter(), 0);
    chart.canvas.paste(chart.canvas);
    EXPECT_EQ(chart.canvas.pasteCounter(), 1);
}

TEST_F(Clipboard, EmptyClipboardCopyKeepsTheCounter)
{
    SmallChart chart;
    chart.canvas.setPasteCounter(4);
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.copy();
    EXPECT_EQ(chart.canvas.pasteCounter(), 4);
    chart.canvas.paste(chart.canvas);
    EXPECT_EQ(lastChild(chart.canvas)->points(), (Points{{45, 10}, {85, 10}}));
}

TEST_F(Clipboard, PasteIntoAnotherChartGivesItTheCopies)
{
    SmallChart from;
    SmallChart to;
    from.canvas.select(from.group, SelectMode::Replace);
    from.canvas.copy();
    const std::string fromBefore = from.state();
    ASSERT_TRUE(to.canvas.paste(to.canvas));
    EXPECT_EQ(from.state(), fromBefore);
    CChartElement* pasted = lastChild(to.canvas);
    ASSERT_EQ(to.canvas.childCount(), 4u);
    EXPECT_EQ(pasted->canvas(), &to.canvas);
    EXPECT_EQ(pasted->parent(), &to.canvas);
    ASSERT_EQ(pasted->childCount(), 2u);
    for (const auto& stroke : pasted->children())
        EXPECT_EQ(stroke->canvas(), &to.canvas); // the copies outlive the chart they came from
    EXPECT_EQ(pasted->child(0)->points(), (Points{{135, 20}, {175, 20}}));
    EXPECT_EQ(pasted->points(), (Points{{130, -5}, {180, -5}, {180, 45}, {130, 45}}));
    EXPECT_EQ(to.canvas.history().size(), 1u);
    EXPECT_EQ(from.canvas.history().size(), 0u);
    from.doc.reset(); // closing the source chart leaves the pasted copies intact
    EXPECT_EQ(to.canvas.history().Undo(), true);
    EXPECT_TRUE(pasted->isDeleted());
}

TEST_F(Clipboard, ACanvasThatGoesLeavesItAlone)
{
    // Canvases are also made to draw a palette button or an icon; only the
    // application, closing a chart window, empties the clipboard.
    SmallChart chart;
    {
        SmallChart other;
        other.canvas.select(other.rectangle, SelectMode::Replace);
        ASSERT_TRUE(other.canvas.copy());
    }
    ASSERT_EQ(ElementClipboard::size(), 1u);
    EXPECT_EQ(ElementClipboard::elements()[0]->canvas(), nullptr); // it belongs to no chart
    ASSERT_TRUE(chart.canvas.paste(chart.canvas));
    CChartElement* pasted = lastChild(chart.canvas);
    EXPECT_EQ(pasted->points(), (Points{{75, 60}, {105, 80}}));
    EXPECT_EQ(pasted->canvas(), &chart.canvas);
}

TEST_F(Clipboard, PasteUndoHidesTheCopiesAndRedoShowsTheSameOnes)
{
    SmallChart chart;
    chart.canvas.select(chart.rectangle, SelectMode::Replace);
    chart.canvas.copy();
    const auto bytes = saveChartBytes(*chart.doc);
    chart.canvas.paste(chart.canvas);
    CChartElement* pasted = lastChild(chart.canvas);
    const auto pastedBytes = saveChartBytes(*chart.doc);
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_TRUE(pasted->isDeleted());
    EXPECT_EQ(saveChartBytes(*chart.doc), bytes);
    ASSERT_TRUE(chart.canvas.history().Redo());
    EXPECT_EQ(lastChild(chart.canvas), pasted);
    EXPECT_EQ(chart.canvas.childCount(), 4u); // no second copy
    EXPECT_EQ(pasted->points(), (Points{{75, 60}, {105, 80}})); // and no further shift
    EXPECT_EQ(saveChartBytes(*chart.doc), pastedBytes);
}

TEST_F(Clipboard, PasteUndoLetsGoOfCopiesSelectedSince)
{
    SmallChart chart;
    chart.canvas.select(chart.rectangle, SelectMode::Replace);
    chart.canvas.copy();
    chart.canvas.paste(chart.canvas);
    CChartElement* pasted = lastChild(chart.canvas);
    chart.canvas.select(pasted, SelectMode::Replace);
    chart.canvas.history().Undo();
    EXPECT_TRUE(chart.canvas.selection().empty());
    EXPECT_FALSE(pasted->hasFlag(kSelected));
}

TEST_F(Clipboard, CutHidesTheSelectionAndLetsGoOfIt)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.select(chart.rectangle, SelectMode::Add);
    chart.canvas.setCurrent(chart.rectangle);
    chart.window.rects.clear();
    ASSERT_TRUE(chart.canvas.cut());
    EXPECT_TRUE(chart.line->isDeleted());
    EXPECT_TRUE(chart.rectangle->isDeleted());
    // Hidden, they are neither selected nor current: keys and menus do not reach them.
    EXPECT_TRUE(chart.canvas.selection().empty());
    EXPECT_EQ(chart.canvas.current(), nullptr);
    EXPECT_EQ(chart.rectangle->flags(), kDeletedFlags);
    EXPECT_EQ(ElementClipboard::size(), 2u);
    EXPECT_EQ(chart.window.rects, (std::vector<Rect>{Rect::united(chart.line->getBounds(), chart.rectangle->getBounds())}));
    chart.canvas.select(nullptr, SelectMode::Replace);
    const std::string unselected = chart.state();
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_FALSE(chart.line->isDeleted());
    ASSERT_TRUE(chart.canvas.history().Redo());
    EXPECT_EQ(chart.state(), unselected);
}

TEST_F(Clipboard, CutWithNothingSelectedDoesNothing)
{
    SmallChart chart;
    EXPECT_FALSE(chart.canvas.cut());
    EXPECT_EQ(chart.canvas.history().size(), 0u);
}

TEST_F(Clipboard, CutPasteThenTwoUndosHideTheCopiesThenShowTheCutElements)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    const auto bytes = saveChartBytes(*chart.doc);
    ASSERT_TRUE(chart.canvas.cut());
    ASSERT_TRUE(chart.canvas.paste(chart.canvas));
    CChartElement* pasted = lastChild(chart.canvas);
    EXPECT_TRUE(chart.line->isDeleted()); // the cut element stays hidden
    EXPECT_EQ(pasted->points(), (Points{{25, 10}, {65, 10}}));
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_TRUE(pasted->isDeleted());
    EXPECT_TRUE(chart.line->isDeleted());
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_FALSE(chart.line->isDeleted());
    EXPECT_EQ(saveChartBytes(*chart.doc), bytes);
}

TEST_F(Clipboard, UndoingASecondCutShowsOnlyWhatItHid)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.cut();
    chart.canvas.select(chart.rectangle, SelectMode::Add);
    ASSERT_TRUE(chart.canvas.cut());
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_FALSE(chart.rectangle->isDeleted());
    EXPECT_TRUE(chart.line->isDeleted()); // its own cut is still in effect
    EXPECT_EQ(ElementClipboard::size(), 1u);
}

TEST_F(Clipboard, CutAgainWithNothingLeftSelectedRecordsNothing)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.cut();
    EXPECT_FALSE(chart.canvas.cut());
    EXPECT_EQ(chart.canvas.history().size(), 1u);
}

TEST_F(Clipboard, UndoingAPasteLetsGoOfTheCurrentCopy)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.copy();
    ASSERT_TRUE(chart.canvas.paste(chart.canvas));
    CChartElement* pasted = lastChild(chart.canvas);
    chart.canvas.select(pasted, SelectMode::Replace);
    chart.canvas.setCurrent(pasted);
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(chart.canvas.current(), nullptr);
    EXPECT_TRUE(chart.canvas.selection().empty());
    EXPECT_EQ(pasted->flags(), kDeletedFlags);
}
