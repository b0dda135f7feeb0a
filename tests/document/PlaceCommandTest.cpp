// Invariants: placing clones the tool's prototype, builds it on the collected
// points with the given pen and appends it as the last child of the
// prototype's canvas, the only selected and the current element; undo hides
// it and lets go of its selection, redo shows the same element again; a build
// that fails leaves nothing in the chart and nothing in the history.

#include "document/ChartFile.h"
#include "document/commands/PlaceCommand.h"
#include "elements/LineElement.h"
#include "support/SmallChart.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::SmallChart;

namespace {

// A symbol whose build gives up half way: it has made a stroke when it fails.
class HalfBuiltSymbol : public CGroupElement {
public:
    bool assignState(const ElementState& state) override
    {
        std::vector<std::unique_ptr<CChartElement>> parts;
        parts.push_back(std::make_unique<CLineElement>());
        parts.back()->assignState(state);
        adoptChildren(std::move(parts));
        return false;
    }
    std::unique_ptr<CChartElement> clone() const override { return std::make_unique<HalfBuiltSymbol>(); }
};

std::unique_ptr<CChartElement> linePrototype() { return createElement(typeids::kLine); }

const PenAttributes kRedPen{2, rgb(255, 0, 0), 0};

} // namespace

TEST(PlaceCommand, AppendsABuiltCopyThatIsSelectedAndCurrent)
{
    SmallChart chart;
    auto prototype = linePrototype();
    chart.canvas.select(chart.rectangle, SelectMode::Replace);
    const Rect selectionArea = chart.rectangle->getBounds();
    chart.window.rects.clear();
    auto command = std::make_unique<CPlaceCommand>(chart.canvas, *prototype, std::vector<Point>{{200, 100}, {240, 150}}, kRedPen);
    CPlaceCommand* place = command.get();
    ASSERT_TRUE(chart.canvas.history().Execute(std::move(command)));
    CChartElement* placed = place->created();
    ASSERT_TRUE(placed);
    EXPECT_EQ(chart.canvas.child(chart.canvas.childCount() - 1), placed);
    EXPECT_EQ(placed->parent(), &chart.canvas);
    EXPECT_EQ(placed->canvas(), &chart.canvas);
    EXPECT_EQ(placed->typeId(), typeids::kLine);
    EXPECT_EQ(placed->points(), (std::vector<Point>{{200, 100}, {240, 150}}));
    EXPECT_EQ(placed->pen(), kRedPen);
    EXPECT_EQ(chart.canvas.selection().members(), std::vector<CChartElement*>{placed});
    EXPECT_FALSE(chart.rectangle->hasFlag(kSelected));
    EXPECT_EQ(chart.canvas.current(), placed);
    EXPECT_TRUE(placed->hasFlag(kCurrent));
    // One repaint covering the old selection and the new element.
    EXPECT_EQ(chart.window.rects, std::vector<Rect>{CChartElement::accumulateBounds(selectionArea, placed->getBounds())});
    EXPECT_TRUE(prototype->points().empty()); // the tool's prototype is untouched
}

TEST(PlaceCommand, UndoHidesAndDeselectsAndRedoShowsTheSameElement)
{
    SmallChart chart;
    auto prototype = linePrototype();
    const auto bytes = saveChartBytes(*chart.doc);
    auto command = std::make_unique<CPlaceCommand>(chart.canvas, *prototype, std::vector<Point>{{200, 100}, {240, 150}}, kRedPen);
    CPlaceCommand* place = command.get();
    chart.canvas.history().Execute(std::move(command));
    const auto placedBytes = saveChartBytes(*chart.doc);
    CChartElement* placed = place->created();
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(saveChartBytes(*chart.doc), bytes);
    EXPECT_TRUE(placed->isDeleted());
    EXPECT_TRUE(chart.canvas.selection().empty());
    EXPECT_EQ(chart.canvas.childCount(), 4u); // kept, hidden, for redo
    ASSERT_TRUE(chart.canvas.history().Redo());
    EXPECT_EQ(chart.canvas.childCount(), 4u);
    EXPECT_EQ(chart.canvas.child(3), placed);
    EXPECT_FALSE(placed->isDeleted());
    EXPECT_EQ(saveChartBytes(*chart.doc), placedBytes);
}

TEST(PlaceCommand, UndoBeforeAnythingWasMadeFails)
{
    SmallChart chart;
    auto prototype = linePrototype();
    CPlaceCommand place(chart.canvas, *prototype, {{0, 0}, {10, 10}}, kRedPen);
    EXPECT_FALSE(place.Undo());
}

TEST(PlaceCommand, FailedBuildLeavesNothingInTheChart)
{
    SmallChart chart;
    HalfBuiltSymbol prototype;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.setCurrent(chart.line);
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.history().Execute(
        std::make_unique<CPlaceCommand>(chart.canvas, prototype, std::vector<Point>{{20, 20}, {20, 60}}, kRedPen)));
    EXPECT_EQ(chart.state(), before);
    EXPECT_EQ(chart.canvas.childCount(), 3u);
    EXPECT_EQ(chart.canvas.history().size(), 0u);
}

TEST(PlaceCommand, PrototypeThatCannotBeCopiedPlacesNothing)
{
    SmallChart chart;
    auto prototype = std::make_unique<CChartElement>();
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.history().Execute(
        std::make_unique<CPlaceCommand>(chart.canvas, *prototype, std::vector<Point>{{20, 20}, {20, 60}}, kRedPen)));
    EXPECT_EQ(chart.state(), before);
    EXPECT_EQ(chart.canvas.history().size(), 0u);
}
