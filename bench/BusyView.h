#pragma once
// A chart window over a busy chart (600 x 600, 5,000 symbols), painted once,
// at a zoom about the window's centre, drawn as the desktop editor draws it.

#include "bench/BenchCharts.h"
#include "bench/QuietWindow.h"
#include "export/CairoChartPainter.h"
#include "view/ChartView.h"

#include <memory>

namespace loopora::bench {

struct BusyView {
    std::unique_ptr<CPattraDoc> doc = denseChart(5'000);
    QuietWindow window;
    Size remembered{};
    CairoChartPainter painter;
    CPattraView view{*doc, window, remembered, &painter};

    explicit BusyView(Size client = {600, 600}, int32_t zoomPercent = 100) : window(client)
    {
        view.OnInitialUpdate();
        view.setZoom(zoomPercent, view.windowCentre());
        view.paint();
    }
};

} // namespace loopora::bench
