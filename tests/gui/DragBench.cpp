// loopora_gui_bench [SYMBOLS] (built with the tests; not one of them): how long the desktop editor takes to show its
// main window with a chart, and how long each pointer move of a drag takes to
// be handled and painted on a 600 x 600 chart holding SYMBOLS (5,000) stitch
// symbols: placing a symbol, moving a selected one, and a selection band.
// Runs on the platform Qt is given (offscreen, or xcb on a display).

#include "app/ChartViewWidget.h"
#include "app/MainFrame.h"
#include "document/ElementTypes.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace loopora;

namespace {

// Counts the view's paints, to be sure each move was presented.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void fillChart(CCanvas& canvas, int symbols)
{
    std::vector<int32_t> types;
    for (const PaletteInfo& palette : palettes())
        for (uint16_t id : palette.buttons)
            if (int32_t type = typeIdOfName(toolOfCommand(id)); type >= 0 && typeName(type) != "text")
                types.push_back(type);
    std::mt19937 random(6);
    std::uniform_int_distribution<int> coordinate(30, 570), length(15, 45), typeIndex(0, int(types.size()) - 1);
    for (int i = 0; i < symbols; ++i) {
        std::unique_ptr<CChartElement> e = createElement(types[size_t(typeIndex(random))]);
        const Point base{coordinate(random), coordinate(random)};
        const Point top{base.x + length(random) - 30, base.y - length(random)};
        if (e->assignState(ElementState{{base, top}, 2, colours::black, 0}))
            canvas.appendChild(std::move(e));
    }
}

struct Timing {
    double median = 0, worst = 0, mean = 0;
};

Timing summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    Timing t;
    t.median = ms[ms.size() / 2];
    t.worst = ms.back();
    for (double v : ms)
        t.mean += v / double(ms.size());
    return t;
}

// Presses, moves step by step and releases; each move is timed from its event
// to the end of the paint it caused.
Timing drag(QWidget* view, PaintCounter& counter, QPoint from, QPoint to, int steps, int* missing)
{
    std::vector<double> ms;
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QApplication::processEvents();
    for (int i = 1; i <= steps; ++i) {
        const int before = counter.paints;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseMove(view, from + (to - from) * i / steps);
        QApplication::processEvents(); // the repaint the move asked for
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (counter.paints == before)
            ++*missing;
    }
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    QApplication::processEvents();
    return summarise(ms);
}

void report(const char* what, const Timing& t, int missing)
{
    std::printf("%-44s median %6.2f ms, mean %6.2f ms, worst %6.2f ms%s\n", what, t.median, t.mean, t.worst,
                missing ? " (some moves were not painted)" : "");
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    const int symbols = argc > 1 ? std::atoi(argv[1]) : 5000;
    installElementTypes();

    // Start-up as main() does it, with a chart named on the command line:
    // here a chart made in memory first, so the file is not part of the time.
    app::CMainFrame frame;
    const double framed = double(sinceStart.nsecsElapsed()) / 1e6;
    frame.app().newChart(600, 600, 1, 30);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame))
        return 1;
    QApplication::processEvents();
    const double shown = double(sinceStart.nsecsElapsed()) / 1e6;
    std::printf("start-up: main window built %.1f ms, shown with a chart %.1f ms after main()\n", framed, shown);

    CCanvas& canvas = frame.app().active()->document->canvas();
    fillChart(canvas, symbols);
    app::CPattraViewWidget* widget = frame.chartWidget(0);
    QWidget* view = widget->viewport();
    PaintCounter counter;
    view->installEventFilter(&counter);
    QElapsedTimer full;
    full.start();
    widget->view()->invalidateAll();
    view->repaint();
    std::printf("chart: %zu symbols; a repaint of the whole window %.1f ms (%dx%d)\n", canvas.childCount(),
                double(full.nsecsElapsed()) / 1e6, view->width(), view->height());
    frame.activateWindow();
    if (!QTest::qWaitForWindowActive(&frame))
        std::printf("the main window did not become active\n");

    int missing = 0;
    report("placing a double (rubber band), per move", drag(view, counter, {300, 500}, {320, 100}, 120, &missing), missing);
    frame.command(cmd::kSelect);
    missing = 0;
    // The symbol just placed is selected and current: dragging it moves it.
    report("moving the selected symbol, per move", drag(view, counter, {310, 300}, {100, 350}, 120, &missing), missing);
    missing = 0;
    report("selection band, per move", drag(view, counter, {5, 5}, {590, 590}, 120, &missing), missing);
    frame.app().closeAll();
    return 0;
}
