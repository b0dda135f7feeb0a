// The repaint rule of commands: every command repaints what it changes, in
// Do, Undo and Redo alike. Checked on the picture itself: every pixel that
// differs after a step lies in a rectangle the step asked to repaint, so a
// window that repaints only those rectangles shows the chart as it is.

#include "document/commands/DeleteCommand.h"
#include "document/commands/MoveCommands.h"
#include "document/commands/PlaceCommand.h"
#include "document/commands/TransformCommands.h"
#include "document/Clipboard.h"
#include "elements/PrototypeTable.h"
#include "platform/RasterDC.h"
#include "support/SmallChart.h"

#include <gtest/gtest.h>

#include <functional>

using namespace loopora;
using loopora::test::SmallChart;

namespace {

PixelBuffer picture(CCanvas& canvas)
{
    PixelBuffer pixels(300, 200);
    CRasterDC dc(pixels);
    canvas.draw(dc);
    return pixels;
}

// Runs one step and reports every changed pixel outside what it repainted.
void expectRepaintsWhatChanges(SmallChart& chart, const std::string& step, const std::function<bool()>& run)
{
    const PixelBuffer before = picture(chart.canvas);
    chart.window.rects.clear();
    ASSERT_TRUE(run()) << step;
    const PixelBuffer after = picture(chart.canvas);
    int changed = 0;
    for (int32_t y = 0; y < after.height(); ++y)
        for (int32_t x = 0; x < after.width(); ++x) {
            if (before.at(x, y) == after.at(x, y))
                continue;
            ++changed;
            bool repainted = false;
            for (const Rect& r : chart.window.rects)
                repainted = repainted || r.contains({x, y});
            ASSERT_TRUE(repainted) << step << ": pixel " << x << "," << y << " changed but was not repainted";
        }
    EXPECT_GT(changed, 0) << step << " changed nothing on the picture";
}

// Executes the command, undoes it and redoes it, each step checked.
void expectEveryStepRepaints(SmallChart& chart, const std::string& name, std::unique_ptr<CCommand> command)
{
    CHistory& history = chart.canvas.history();
    expectRepaintsWhatChanges(chart, name + " do", [&] { return history.Execute(std::move(command)); });
    expectRepaintsWhatChanges(chart, name + " undo", [&] { return history.Undo(); });
    expectRepaintsWhatChanges(chart, name + " redo", [&] { return history.Redo(); });
}

std::vector<CChartElement*> selectLineAndGroup(SmallChart& chart)
{
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.select(chart.group, SelectMode::Add);
    chart.canvas.setCurrent(chart.group);
    return chart.canvas.selection().members();
}

} // namespace

TEST(CommandRepaint, GeometryCommandsRepaintWhatTheyMove)
{
    {
        SmallChart chart;
        expectEveryStepRepaints(chart, "move", std::make_unique<CMoveCommand>(chart.canvas, selectLineAndGroup(chart), 30, 40));
    }
    {
        SmallChart chart;
        expectEveryStepRepaints(chart, "move point", std::make_unique<CMovePointCommand>(chart.canvas, *chart.line, 1, 60, 90));
    }
    {
        SmallChart chart;
        selectLineAndGroup(chart);
        expectEveryStepRepaints(chart, "rotate", std::make_unique<CRotateCommand>(chart.canvas, *chart.group, Point{140, 20}, 1.0));
    }
    {
        SmallChart chart;
        selectLineAndGroup(chart);
        expectEveryStepRepaints(chart, "scale", std::make_unique<CScaleCommand>(chart.canvas, *chart.group, Point{140, 20}, 2.0, 3.0));
    }
    {
        SmallChart chart;
        expectEveryStepRepaints(chart, "mirror right",
                                std::make_unique<CFlipHorizontalCommand>(chart.canvas, selectLineAndGroup(chart), Point{170, 60}));
    }
    {
        SmallChart chart;
        expectEveryStepRepaints(chart, "mirror down",
                                std::make_unique<CFlipVerticalCommand>(chart.canvas, selectLineAndGroup(chart), Point{170, 60}));
    }
}

TEST(CommandRepaint, CommandsThatShowOrHideRepaintWhatTheyShowOrHide)
{
    {
        SmallChart chart;
        expectEveryStepRepaints(chart, "delete", std::make_unique<CDeleteCommand>(chart.canvas, selectLineAndGroup(chart)));
    }
    {
        SmallChart chart;
        std::unique_ptr<CChartElement> prototype = createElement(typeids::kDouble);
        selectLineAndGroup(chart);
        expectEveryStepRepaints(chart, "place",
                                std::make_unique<CPlaceCommand>(chart.canvas, *prototype, std::vector<Point>{{200, 150}, {220, 100}}, PenAttributes{2, colours::black, 0}));
    }
    {
        SmallChart chart;
        selectLineAndGroup(chart);
        expectRepaintsWhatChanges(chart, "cut", [&] { return chart.canvas.cut(); });
        expectRepaintsWhatChanges(chart, "cut undo", [&] { return chart.canvas.history().Undo(); });
        expectRepaintsWhatChanges(chart, "cut redo", [&] { return chart.canvas.history().Redo(); });
        expectRepaintsWhatChanges(chart, "paste", [&] { return chart.canvas.paste(chart.canvas); });
        expectRepaintsWhatChanges(chart, "paste undo", [&] { return chart.canvas.history().Undo(); });
        expectRepaintsWhatChanges(chart, "paste redo", [&] { return chart.canvas.history().Redo(); });
        ElementClipboard::clear();
    }
}

TEST(CommandRepaint, GroupingRepaintsTheHandlesItMovesOrRemoves)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.select(chart.rectangle, SelectMode::Add);
    expectRepaintsWhatChanges(chart, "group", [&] { return chart.canvas.group(); });
    expectRepaintsWhatChanges(chart, "group undo", [&] { return chart.canvas.history().Undo(); });
    expectRepaintsWhatChanges(chart, "group redo", [&] { return chart.canvas.history().Redo(); });
    chart.canvas.setCurrent(chart.group);
    chart.canvas.select(chart.group, SelectMode::Replace);
    expectRepaintsWhatChanges(chart, "ungroup", [&] { return chart.canvas.ungroup(); });
    expectRepaintsWhatChanges(chart, "ungroup undo", [&] { return chart.canvas.history().Undo(); });
    expectRepaintsWhatChanges(chart, "ungroup redo", [&] { return chart.canvas.history().Redo(); });
}
