// Invariants: each editing command changes the chart in place and its undo
// gives back the same tree (points, flags, child order), selection and
// current element; redo gives back the state after the first Do; distances
// move by whole pixels truncated toward zero and undo moves back by exactly
// as many; a command that cannot be done changes nothing and is not recorded;
// commands repaint the rectangles of the elements they change.

#include "document/ChartFile.h"
#include "document/commands/DeleteCommand.h"
#include "document/commands/MoveCommands.h"
#include "document/commands/TransformCommands.h"
#include "platform/Numeric.h"
#include "support/SmallChart.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace loopora;
using loopora::test::SmallChart;

namespace {

using Points = std::vector<Point>;

// Runs a command through the history, undoes and redoes it, checking that undo
// gives back the state before and redo the state after the first Do.
void expectUndoAndRedoExact(SmallChart& chart, std::unique_ptr<CCommand> command)
{
    const std::string before = chart.state();
    ASSERT_TRUE(chart.canvas.history().Execute(std::move(command)));
    const std::string after = chart.state();
    EXPECT_NE(after, before);
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(chart.state(), before);
    ASSERT_TRUE(chart.canvas.history().Redo());
    EXPECT_EQ(chart.state(), after);
}

Rect unite(const Rect& a, const Rect& b) { return CChartElement::accumulateBounds(a, b); }

} // namespace

TEST(DeleteCommand, HidesTheElementsAndUndoShowsThemAgain)
{
    SmallChart chart;
    expectUndoAndRedoExact(chart, std::make_unique<CDeleteCommand>(
                                      chart.canvas, std::vector<CChartElement*>{chart.line, chart.group}));
    EXPECT_TRUE(chart.line->hasFlag(kHidden) && chart.line->hasFlag(kRemoved));
    EXPECT_TRUE(chart.group->isDeleted());
    EXPECT_EQ(chart.canvas.childCount(), 3u); // deleted elements stay in the tree
}

TEST(DeleteCommand, DeselectsAndLeavesNoCurrentElementAndUndoDoesNotReselect)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.select(chart.rectangle, SelectMode::Add);
    chart.canvas.setCurrent(chart.group); // current, but not among the deleted
    const auto bytes = saveChartBytes(*chart.doc);
    chart.window.rects.clear();
    ASSERT_TRUE(chart.canvas.history().Execute(
        std::make_unique<CDeleteCommand>(chart.canvas, chart.canvas.selection().members())));
    EXPECT_TRUE(chart.canvas.selection().empty());
    EXPECT_EQ(chart.canvas.current(), nullptr);
    EXPECT_FALSE(chart.group->hasFlag(kCurrent));
    EXPECT_FALSE(chart.line->hasFlag(kSelected));
    EXPECT_EQ(chart.window.rects, (std::vector<Rect>{chart.line->getBounds(), chart.rectangle->getBounds()}));
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(saveChartBytes(*chart.doc), bytes);
    EXPECT_TRUE(chart.canvas.selection().empty());
    EXPECT_FALSE(chart.line->isDeleted());
}

TEST(DeleteCommand, LeavesOutElementsAnEarlierCutHid)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    ASSERT_TRUE(chart.canvas.cut()); // the line stays selected, hidden
    chart.canvas.select(chart.rectangle, SelectMode::Add);
    ASSERT_TRUE(chart.canvas.history().Execute(
        std::make_unique<CDeleteCommand>(chart.canvas, chart.canvas.selection().members())));
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_FALSE(chart.rectangle->isDeleted());
    EXPECT_TRUE(chart.line->isDeleted()); // shown again only by undoing its cut
}

TEST(DeleteCommand, NothingSelectedIsNotRecorded)
{
    SmallChart chart;
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.history().Execute(std::make_unique<CDeleteCommand>(chart.canvas, std::vector<CChartElement*>{})));
    EXPECT_EQ(chart.canvas.history().size(), 0u);
    EXPECT_EQ(chart.state(), before);
}

TEST(MoveCommand, MovesByTruncatedPixelsAndUndoesExactly)
{
    SmallChart chart;
    expectUndoAndRedoExact(chart, std::make_unique<CMoveCommand>(
                                      chart.canvas, std::vector<CChartElement*>{chart.line, chart.group}, 2.7, -3.9));
    EXPECT_EQ(chart.line->points(), (Points{{12, 7}, {52, 7}}));
    // The group moved as a whole: its frame is still its strokes' bounds.
    EXPECT_EQ(chart.group->points(), (Points{{117, -8}, {167, -8}, {167, 42}, {117, 42}}));
}

TEST(MoveCommand, NegativeFractionsTruncateTowardZero)
{
    SmallChart chart;
    ASSERT_TRUE(chart.canvas.history().Execute(
        std::make_unique<CMoveCommand>(chart.canvas, std::vector<CChartElement*>{chart.line}, -0.9, -5.5)));
    EXPECT_EQ(chart.line->points(), (Points{{10, 5}, {50, 5}}));
    chart.canvas.history().Undo();
    EXPECT_EQ(chart.line->points(), (Points{{10, 10}, {50, 10}}));
}

TEST(MoveCommand, RepaintsTheOldAndTheNewArea)
{
    SmallChart chart;
    const Rect old = unite(chart.line->getBounds(), chart.rectangle->getBounds());
    chart.window.rects.clear();
    chart.canvas.history().Execute(std::make_unique<CMoveCommand>(
        chart.canvas, std::vector<CChartElement*>{chart.line, chart.rectangle}, 5, 0));
    EXPECT_EQ(chart.window.rects, (std::vector<Rect>{old, old.offset(5, 0)}));
    chart.window.rects.clear();
    chart.canvas.history().Undo();
    EXPECT_EQ(chart.window.rects, (std::vector<Rect>{old.offset(5, 0), old}));
}

TEST(MoveCommand, NothingSelectedFailsAndIsNotRecorded)
{
    SmallChart chart;
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.history().Execute(
        std::make_unique<CMoveCommand>(chart.canvas, chart.canvas.selection().members(), 1, 0)));
    EXPECT_EQ(chart.canvas.history().size(), 0u);
    EXPECT_EQ(chart.state(), before);
}

TEST(MovePointCommand, MovesOneHandleAndUndoesExactly)
{
    SmallChart chart;
    chart.window.rects.clear();
    const Rect before = chart.line->getBounds();
    expectUndoAndRedoExact(chart, std::make_unique<CMovePointCommand>(chart.canvas, *chart.line, 1.0, 5.0, -2.5));
    EXPECT_EQ(chart.line->points(), (Points{{10, 10}, {55, 8}}));
    EXPECT_EQ(chart.window.rects.front(), before);
    EXPECT_EQ(chart.window.rects.at(1), chart.line->getBounds());
}

TEST(MovePointCommand, FractionalIndexIsTruncated)
{
    SmallChart chart;
    chart.canvas.history().Execute(std::make_unique<CMovePointCommand>(chart.canvas, *chart.line, 0.9, 3, 3));
    EXPECT_EQ(chart.line->points(), (Points{{13, 13}, {50, 10}}));
}

TEST(MovePointCommand, IndexOutsideThePointsIsRefused)
{
    SmallChart chart;
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.history().Execute(std::make_unique<CMovePointCommand>(chart.canvas, *chart.line, 2, 1, 1)));
    EXPECT_FALSE(chart.canvas.history().Execute(std::make_unique<CMovePointCommand>(chart.canvas, *chart.line, -1, 1, 1)));
    EXPECT_EQ(chart.canvas.history().size(), 0u);
    EXPECT_EQ(chart.state(), before);
}

TEST(RotateCommand, TurnsTheElementAboutTheCentre)
{
    SmallChart chart;
    const double angle = std::numbers::pi / 3;
    const Point centre{140, 20};
    auto twin = CChartElement::cloneElement(*chart.group);
    const Rect before = chart.group->getBounds();
    chart.window.rects.clear();
    ASSERT_TRUE(chart.canvas.history().Execute(std::make_unique<CRotateCommand>(chart.canvas, *chart.group, centre, angle)));
    twin->rotateRadians(centre, angle);
    EXPECT_EQ(chart.group->points(), twin->points());
    EXPECT_EQ(chart.group->child(0)->points(), twin->child(0)->points());
    EXPECT_EQ(chart.window.rects, (std::vector<Rect>{before, chart.group->getBounds()}));
}

TEST(RotateCommand, UndoAndRedoGiveBackTheExactPointsEveryTime)
{
    // A rotation rounds every point; turning back would round again, and a
    // symbol would creep and skew with every undo and redo.
    SmallChart chart;
    CChartElement* dbl = test::place(chart.canvas, typeids::kDouble, {{200, 180}, {230, 100}});
    chart.canvas.select(dbl, SelectMode::Replace);
    chart.canvas.setCurrent(dbl);
    const std::string before = chart.state();
    ASSERT_TRUE(chart.canvas.history().Execute(std::make_unique<CRotateCommand>(chart.canvas, *dbl, Point{215, 140}, 0.4)));
    const std::string after = chart.state();
    ASSERT_NE(after, before);
    for (int cycle = 0; cycle < 10; ++cycle) {
        ASSERT_TRUE(chart.canvas.history().Undo());
        ASSERT_EQ(chart.state(), before) << "cycle " << cycle;
        ASSERT_TRUE(chart.canvas.history().Redo());
        ASSERT_EQ(chart.state(), after) << "cycle " << cycle;
    }
}

TEST(ScaleCommand, SizesTheElementAndUndoUsesTheInverseFactors)
{
    SmallChart chart;
    const Rect before = chart.group->getBounds();
    chart.window.rects.clear();
    expectUndoAndRedoExact(chart, std::make_unique<CScaleCommand>(chart.canvas, *chart.group, Point{120, 20}, 2.0, 0.5));
    EXPECT_EQ(chart.group->child(0)->points(), (Points{{120, 20}, {200, 20}}));
    EXPECT_EQ(chart.group->child(1)->points(), (Points{{160, 10}, {160, 30}}));
    ASSERT_GE(chart.window.rects.size(), 2u);
    EXPECT_EQ(chart.window.rects.at(0), before);
    EXPECT_EQ(chart.window.rects.at(1), chart.group->getBounds());
}

TEST(ScaleCommand, UndoPutsBackPointsThatTheInverseFactorsWouldMiss)
{
    SmallChart chart;
    CChartElement* dbl = test::place(chart.canvas, typeids::kDouble, {{201, 187}, {233, 101}});
    for (double f : {0.7, 1.3, 0.5})
        expectUndoAndRedoExact(chart, std::make_unique<CScaleCommand>(chart.canvas, *dbl, Point{217, 143}, f, 1.0 / 3));
}

TEST(ScaleCommand, FactorThatCannotBeUndoneIsRefused)
{
    SmallChart chart;
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.history().Execute(std::make_unique<CScaleCommand>(chart.canvas, *chart.line, Point{0, 0}, 0.0, 1.0)));
    EXPECT_EQ(chart.canvas.history().size(), 0u);
    EXPECT_EQ(chart.state(), before);
}

TEST(FlipCommands, MirrorLeftToRightAboutTheAxisAndUndoExactly)
{
    SmallChart chart;
    const Rect old = unite(chart.line->getBounds(), chart.group->getBounds());
    chart.window.rects.clear();
    expectUndoAndRedoExact(chart, std::make_unique<CFlipHorizontalCommand>(
                                      chart.canvas, std::vector<CChartElement*>{chart.line, chart.group}, Point{100, 0}));
    EXPECT_EQ(chart.line->points(), (Points{{190, 10}, {150, 10}}));
    EXPECT_EQ(chart.group->child(0)->points(), (Points{{80, 20}, {40, 20}}));
    EXPECT_EQ(chart.group->points(), (Points{{35, -5}, {85, -5}, {85, 45}, {35, 45}}));
    ASSERT_GE(chart.window.rects.size(), 2u);
    EXPECT_EQ(chart.window.rects[0], old);
}

TEST(FlipCommands, MirrorTopToBottomAboutTheAxis)
{
    SmallChart chart;
    expectUndoAndRedoExact(chart, std::make_unique<CFlipVerticalCommand>(
                                      chart.canvas, std::vector<CChartElement*>{chart.rectangle}, Point{0, 100}));
    EXPECT_EQ(chart.rectangle->points(), (Points{{60, 140}, {90, 120}}));
}

TEST(MoveAndFlipCommands, UndoIsExactAlsoWherePointsMeetTheEdgeOfTheDrawableArea)
{
    SmallChart chart;
    CChartElement* far = test::place(chart.canvas, typeids::kLine, {{kCoordinateLimit - 3, 10}, {kCoordinateLimit - 40, 10}});
    const std::vector<CChartElement*> both{far, chart.line};
    expectUndoAndRedoExact(chart, std::make_unique<CMoveCommand>(chart.canvas, both, 20.0, 0.0));
    EXPECT_EQ(far->points()[0].x, kCoordinateLimit); // clamped
    expectUndoAndRedoExact(chart, std::make_unique<CMovePointCommand>(chart.canvas, *far, 1, 100.0, 0.0));
    expectUndoAndRedoExact(chart, std::make_unique<CFlipHorizontalCommand>(chart.canvas, both, Point{-100, 0}));
    expectUndoAndRedoExact(chart, std::make_unique<CFlipVerticalCommand>(chart.canvas, both, Point{0, -kCoordinateLimit}));
}

TEST(FlipCommands, NothingSelectedFailsAndIsNotRecorded)
{
    SmallChart chart;
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.history().Execute(
        std::make_unique<CFlipHorizontalCommand>(chart.canvas, std::vector<CChartElement*>{}, Point{0, 0})));
    EXPECT_FALSE(chart.canvas.history().Execute(
        std::make_unique<CFlipVerticalCommand>(chart.canvas, std::vector<CChartElement*>{}, Point{0, 0})));
    EXPECT_EQ(chart.canvas.history().size(), 0u);
    EXPECT_EQ(chart.state(), before);
}

TEST(History, ArrowKeyMovesUndoneInTurnReturnEveryElementToItsPixel)
{
    SmallChart chart;
    const std::string before = chart.state();
    std::vector<CChartElement*> all{chart.line, chart.rectangle, chart.group};
    for (auto [dx, dy] : {std::pair{5, 0}, {0, -5}, {-5, 0}, {0, 5}, {5, 5}})
        ASSERT_TRUE(chart.canvas.history().Execute(std::make_unique<CMoveCommand>(chart.canvas, all, dx, dy)));
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(chart.state(), before);
}
