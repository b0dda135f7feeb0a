#pragma once
// A small chart for the command tests: a line, a rectangle and a user group of
// two lines, all top-level, shown in a window that records its repaints.

#include "document/Document.h"
#include "document/History.h"
#include "elements/GroupElement.h"
#include "support/ChartSnapshot.h"
#include "support/TestCharts.h"

#include <memory>

namespace loopora::test {

struct SmallChart {
    SmallChart()
    {
        doc->setChartSize(300, 200);
        canvas.setWindow(&window);
        line = place(canvas, typeids::kLine, {{10, 10}, {50, 10}});
        rectangle = place(canvas, typeids::kRectangle, {{60, 60}, {90, 80}});
        CChartElement* first = place(canvas, typeids::kLine, {{120, 20}, {160, 20}});
        CChartElement* second = place(canvas, typeids::kLine, {{140, 0}, {140, 40}});
        canvas.select(first, SelectMode::Replace);
        canvas.select(second, SelectMode::Add);
        group = canvas.selection().makeGroup();
        canvas.select(nullptr, SelectMode::Replace);
    }
    ~SmallChart()
    {
        if (doc) // a test may close the chart early
            doc->canvas().setWindow(nullptr);
    }
    SmallChart(const SmallChart&) = delete;
    SmallChart& operator=(const SmallChart&) = delete;

    std::string state() const { return chartState(*doc); }

    std::unique_ptr<CPattraDoc> doc = std::make_unique<CPattraDoc>();
    CCanvas& canvas = doc->canvas();
    RecordingWindow window;
    CChartElement* line = nullptr;
    CChartElement* rectangle = nullptr;
    CGroupElement* group = nullptr;
};

} // namespace loopora::test
