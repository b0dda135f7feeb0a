// Invariants of a zoomed chart window: at 100 % on a usual screen the window
// shows the sheet's bitmap pixel for pixel; at every other level, and on a
// dense screen, it shows the chart's shapes antialiased at its scale, and
// with "Пиксели" the bitmap's pixels enlarged or reduced. The same gestures
// give the same chart at every zoom, their positions scaled; zooming about a
// window point keeps the chart point under it whatever the window's size and
// scroll position; scrolling and the keys count window pixels; fitting the
// window picks any zoom that shows the whole sheet; the zoom belongs to the
// window, not to the chart file.

#include "document/ChartJson.h"
#include "export/BitmapWriter.h"
#include "export/CairoChartPainter.h"
#include "support/RepaintCheck.h"
#include "support/Session.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace loopora;
using loopora::test::Session;
using loopora::test::showsWhatARepaintShows;

namespace {

// The window's pixels that show the sheet show the nearest of its bitmap's
// pixels (nothing may be selected: handles are not the bitmap's).
testing::AssertionResult showsTheBitmapsPixels(CPattraView& view)
{
    const PixelBuffer sheet = renderSheet(view.document());
    const PixelBuffer& shown = view.pixels();
    const Point origin = view.canvas().origin();
    for (int32_t y = 0; y < shown.height(); ++y)
        for (int32_t x = 0; x < shown.width(); ++x) {
            const Point chart = view.windowToChart({x, y});
            const Point at{chart.x + origin.x, chart.y + origin.y};
            if (!sheet.inside(at.x, at.y))
                continue;
            if (shown.colourAt(x, y) != sheet.colourAt(at.x, at.y))
                return testing::AssertionFailure() << "window pixel (" << x << ", " << y << ") does not show sheet pixel ("
                                                   << at.x << ", " << at.y << ") at " << view.zoomPercent() << "%";
        }
    return testing::AssertionSuccess();
}

// Window pixels of a grey between black and white: the antialiased edges
// of black strokes, which a bitmap of black strokes on white never has.
int greyEdges(const PixelBuffer& pixels)
{
    int count = 0;
    for (Pixel p : pixels.pixels()) {
        const int r = int((p >> 16) & 0xFF), g = int((p >> 8) & 0xFF), b = int(p & 0xFF);
        count += r == g && g == b && r > 24 && r < 232;
    }
    return count;
}

// A script whose positions are chart points, written {x y}, run at a zoom
// from a scroll position: each point becomes the window pixel that shows it.
std::string scaled(const std::string& line, int32_t percent, Point scroll)
{
    std::string out;
    size_t at = 0;
    while (true) {
        const size_t open = line.find('{', at);
        if (open == std::string::npos)
            return out + line.substr(at);
        const size_t close = line.find('}', open);
        int x = 0, y = 0;
        std::sscanf(line.c_str() + open + 1, "%d %d", &x, &y);
        // The middle of the chart pixel, in the window pixel it falls in.
        auto window = [&](int v, int32_t s) { return int(std::floor((v + 0.5) * percent / 100.0)) - s; };
        out += line.substr(at, open - at) + std::to_string(window(x, scroll.x)) + " " + std::to_string(window(y, scroll.y));
        at = close + 1;
    }
}

// Places, selects (click, Ctrl+click, rubber band), moves, drags handles,
// rotates, nudges with the keys and repeats along a row. The positions are
// even, so that at 50 % every one has a window pixel of its own.
const std::vector<std::string> kEditing = {
    "tool line",          "drag {20 30} {90 30}",           "tool double",       "drag {40 120} {42 80}",
    "tool treble",        "drag {100 130} {100 70}",        "tool text",         "drag {110 20} {140 46}",
    "tool select",        "click {40 100}",                 "click {100 100} ctrl", "drag {40 100} {50 104}",
    "drag {90 30} {96 50}", // the line's end handle
    "press {6 6}",        "move {60 60} left",              "move {150 150} left", "release {150 150}",
    "key LEFT",           "key DOWN ctrl",                  "click {100 100}",   "tool rotatebyarc",
    "drag {120 100} {126 110}", "answer menu 33042",        "answer ok count=3", "rclick {100 100}",
    "drag {30 140} {120 140}",
};

std::string editedChart(int32_t percent, Point scroll, bool pixels = false)
{
    Session s({500, 400});
    s.run({"new 150 150 0 30", "zoom " + std::to_string(percent),
           "scroll " + std::to_string(scroll.x) + " " + std::to_string(scroll.y)});
    if (pixels)
        s.run({"command " + std::to_string(cmd::kShowPixels)});
    const Point at = s.view().scrollPosition();
    for (const std::string& line : kEditing)
        s.run({scaled(line, percent, at)});
    EXPECT_TRUE(showsWhatARepaintShows(s)) << percent << "%";
    return chartToJson(s.view().document());
}

// A window over a sheet with a slanted black stem and a circle, nothing selected.
void drawStems(Session& s, Size sheet)
{
    s.run({"new " + std::to_string(sheet.width) + " " + std::to_string(sheet.height) + " 0 30", "tool line",
           "drag 10 60 50 20", "tool double", "drag 70 90 85 20", "tool select", "click 1 1"});
}

// A window whose screen has a chosen density, painted by the desktop's painter.
class DenseWindow : public ViewHost {
public:
    DenseWindow(Size client, double ratio) : client_(client), ratio_(ratio) {}
    Size clientSize() const override { return client_; }
    double devicePixelRatio() const override { return ratio_; }
    void showScrollBars(const ScrollBars&) override {}
    void update(const Rect&) override {}
    void showCoordinates(Point, Point) override {}
    uint16_t popupMenu(int, Point) override { return 0; }
    bool runDialog(DialogModel&) override { return false; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
    std::optional<std::string> askBitmapFileName() override { return std::nullopt; }
    void messageBox(const std::string&) override {}

private:
    Size client_;
    double ratio_;
};

} // namespace

TEST(Zoom, TheSameGesturesGiveTheSameChartAtEveryZoom)
{
    const std::string atHundred = editedChart(100, {0, 0});
    EXPECT_NE(atHundred.find("\"name\": \"lines\""), std::string::npos) << atHundred;
    EXPECT_EQ(editedChart(50, {0, 0}), atHundred);
    EXPECT_EQ(editedChart(300, {0, 0}), atHundred);
    EXPECT_EQ(editedChart(300, {7, 35}), atHundred);
    EXPECT_EQ(editedChart(300, {7, 35}, true), atHundred);
    EXPECT_EQ(editedChart(800, {0, 0}), atHundred);
    EXPECT_EQ(editedChart(800, {205, 333}), atHundred);
}

TEST(Zoom, ZoomingAboutAWindowPointKeepsTheChartPointUnderIt)
{
    struct Window {
        const char* name;
        Size client;
        Point scroll; // where the window stands at 100 % before zooming
    };
    // A window smaller than the sheet, scrolled or not, and a maximised one
    // larger than the sheet, where the sheet at 100 % cannot scroll at all.
    const Window windows[] = {{"normal", {400, 300}, {0, 0}},
                              {"scrolled", {400, 300}, {150, 230}},
                              {"maximised", {1600, 1000}, {0, 0}}};
    for (const Window& w : windows) {
        Session s(w.client);
        s.run({"new 600 600 2 30", "scroll " + std::to_string(w.scroll.x) + " " + std::to_string(w.scroll.y)});
        const Point start = s.view().scrollPosition();
        const Point anchors[] = {{0, 0}, {w.client.width - 1, w.client.height - 1}, {123, 77}, {w.client.width / 2, 150}};
        for (Point anchor : anchors) {
            const Viewport& viewport = s.view().viewport();
            const ShapePoint kept = viewport.windowToSheet({double(anchor.x), double(anchor.y)});
            // Every level in turn and back, as the wheel steps, then leaps.
            std::vector<int32_t> levels(kZoomLevels.begin(), kZoomLevels.end());
            levels.insert(levels.end(), kZoomLevels.rbegin(), kZoomLevels.rend());
            levels.insert(levels.end(), {800, 25, 300, 100});
            for (int32_t level : levels) {
                s.run({"zoom " + std::to_string(level) + " " + std::to_string(anchor.x) + " " + std::to_string(anchor.y)});
                const ShapePoint at = viewport.sheetToWindow(kept);
                EXPECT_NEAR(at.x, anchor.x, 0.5) << w.name << " window, zoom " << level << " about (" << anchor.x
                                                       << ", " << anchor.y << ")";
                EXPECT_NEAR(at.y, anchor.y, 0.5) << w.name << " window, zoom " << level << " about (" << anchor.x
                                                       << ", " << anchor.y << ")";
            }
            // Back at 100 %, the window stands exactly where it stood.
            EXPECT_EQ(s.view().scrollPosition(), start) << w.name << " window, about (" << anchor.x << ", " << anchor.y << ")";
        }
    }
}

TEST(Zoom, EveryLevelButOneHundredShowsTheShapesAntialiased)
{
    for (int32_t level : kZoomLevels) {
        Session s({400, 300});
        drawStems(s, {120, 100});
        s.run({"zoom " + std::to_string(level)});
        if (level == 100) {
            EXPECT_EQ(greyEdges(s.view().pixels()), 0);
            EXPECT_TRUE(showsTheBitmapsPixels(s.view()));
        } else {
            // The stems' edges are grey all along them.
            EXPECT_GT(greyEdges(s.view().pixels()), 30) << level << "%";
        }
        // Scrolling shows what a repaint shows.
        s.run({"scroll 30 17", "scroll 12 40"});
        EXPECT_TRUE(showsWhatARepaintShows(s)) << level << "%";
    }
}

TEST(Zoom, ShowPixelsShowsTheBitmapPixelByPixelAtEveryZoom)
{
    Session s({300, 200});
    s.run({"new 400 300 1 30", "tool double", "drag 100 200 110 150", "drag 150 220 150 160", "tool select",
           "click 1 1", "command " + std::to_string(cmd::kShowPixels)});
    EXPECT_TRUE(s.view().isCommandChecked(cmd::kShowPixels));
    for (int32_t level : kZoomLevels) {
        s.run({"zoom " + std::to_string(level) + " 150 100"});
        EXPECT_TRUE(showsTheBitmapsPixels(s.view()));
    }
    // Scroll positions that cut blocks, by steps smaller and larger than a block.
    s.run({"zoom 300 150 100"});
    for (const char* scroll : {"scroll 301 217", "scroll 302 215", "scroll 350 215", "scroll 170 90", "scroll 171 389"}) {
        s.run({scroll});
        EXPECT_TRUE(showsTheBitmapsPixels(s.view())) << scroll;
    }
    // A rubber band is drawn over the pixels and goes without a trace,
    // however the window scrolls under it.
    s.run({"tool select", "press 10 10", "move 200 150 left"});
    EXPECT_FALSE(showsTheBitmapsPixels(s.view()));
    s.run({"scroll 200 200", "move 100 180 left", "key HOME", "move 250 20 left", "release 250 20", "click 1 1"});
    EXPECT_TRUE(showsTheBitmapsPixels(s.view()));
    EXPECT_TRUE(showsWhatARepaintShows(s));
    s.run({"command " + std::to_string(cmd::kShowPixels)});
    EXPECT_FALSE(s.view().isCommandChecked(cmd::kShowPixels));
    EXPECT_FALSE(showsTheBitmapsPixels(s.view())); // the shapes, antialiased, again
}

TEST(Zoom, FeedbackAndHandlesKeepTheirSizeInWindowPixels)
{
    // The selection's handle at a line's end is 6 window pixels wide at every
    // zoom, its green square not enlarged nor shrunk with the chart.
    for (int32_t level : {50, 100, 400}) {
        Session s({400, 300});
        s.run({"new 300 300 0 30", "tool line", "drag 20 20 60 20", "zoom " + std::to_string(level) + " 0 0"});
        const Point end = s.view().viewport().deviceOfChart({20, 20});
        int green = 0;
        for (int32_t y = end.y - 10; y <= end.y + 10; ++y)
            for (int32_t x = end.x - 10; x <= end.x + 10; ++x)
                green += s.view().pixels().colourAt(x, y) == colours::green;
        EXPECT_EQ(green, 4 * 4) << level << "%"; // the 6 x 6 square inside its black frame
        // A rubber band's frame is a dotted line one pixel wide.
        s.run({"tool select", "press 200 200", "move 250 240 left"});
        const Point pressed = s.view().windowToChart({200, 200});
        const Rect frame = s.view().viewport().deviceCovering({pressed.x, pressed.y, pressed.x + 1, pressed.y + 1});
        const Point corner{frame.left, frame.top};
        int onEdge = 0, besideIt = 0;
        for (int32_t y = corner.y + 1; y <= corner.y + 10; ++y) {
            onEdge += s.view().pixels().colourAt(corner.x, y) != colours::white;
            besideIt += s.view().pixels().colourAt(corner.x + 1, y) != colours::white;
        }
        EXPECT_EQ(onEdge, 5) << level << "%"; // every other pixel
        EXPECT_EQ(besideIt, 0) << level << "%";
        s.run({"release 250 240"});
        EXPECT_TRUE(showsWhatARepaintShows(s)) << level << "%";
    }
}

TEST(Zoom, ADenseScreenShowsTheChartAtItsOwnResolution)
{
    CPattraDoc doc;
    doc.setChartSize(120, 100);
    Size remembered{};
    CairoChartPainter painter;
    DenseWindow window({200, 150}, 2);
    CPattraView view(doc, window, remembered, &painter);
    view.OnInitialUpdate();
    view.tools().selectTool("line");
    view.onButtonDown({10, 60}, kLeftButton);
    view.onMouseMove({50, 20}, kLeftButton);
    view.onButtonUp({50, 20}, kNoButton);
    view.canvas().select(nullptr, SelectMode::Replace);
    view.invalidateAll();
    view.paint();
    // Twice as many pixels each way, the stem's edges antialiased at 100 %.
    EXPECT_EQ(view.pixels().width(), 400);
    EXPECT_EQ(view.pixels().height(), 300);
    EXPECT_EQ(view.zoomPercent(), 100);
    EXPECT_GT(greyEdges(view.pixels()), 40);
    // The mouse still speaks window pixels: the line runs between the chart points it was dragged between.
    EXPECT_EQ(view.canvas().child(0)->points(), (std::vector<Point>{{10, 60}, {50, 20}}));
    // With "Пиксели", each of the bitmap's pixels is a block of 2 x 2.
    view.onCommand(cmd::kShowPixels);
    view.paint();
    const PixelBuffer sheet = renderSheet(doc);
    for (int32_t y = 0; y < view.pixels().height(); ++y)
        for (int32_t x = 0; x < view.pixels().width(); ++x)
            ASSERT_EQ(view.pixels().colourAt(x, y), sheet.colourAt(x / 2, y / 2)) << x << ", " << y;
}

TEST(Zoom, KeysAndScrollingCountWindowPixels)
{
    Session s({400, 300});
    s.run({"new 300 300 0 30"});
    s.run({"key DOWN"}); // the whole sheet fits: nothing scrolls
    EXPECT_EQ(s.view().scrollPosition(), (Point{0, 0}));
    s.run({"zoom 300", "key DOWN", "key RIGHT", "key RIGHT"});
    EXPECT_EQ(s.view().scrollPosition(), (Point{400, 150}));
    s.run({"scroll 5000 5000"}); // held within the sheet at 300 %
    EXPECT_EQ(s.view().scrollPosition(), (Point{900 - 400, 900 - 300}));
    s.run({"key HOME"});
    EXPECT_EQ(s.view().scrollPosition(), (Point{0, 0}));
    EXPECT_TRUE(showsWhatARepaintShows(s));
}

TEST(Zoom, TheScrollBarsReachWhereverAZoomPutTheWindow)
{
    // Zoomed out about the window's far corner, the sheet stands inside the
    // window; the scroll bars lead back to its corner and no further.
    Session s({400, 300});
    s.run({"new 600 600 0 30", "zoom 50 399 299"});
    const Point out = s.view().scrollPosition();
    EXPECT_LT(out.x, 0);
    EXPECT_LT(out.y, 0);
    s.run({"scroll -5000 -5000"});
    EXPECT_EQ(s.view().scrollPosition(), out);
    s.run({"scroll 5000 5000"});
    EXPECT_EQ(s.view().scrollPosition(), (Point{0, 0})); // the sheet's 300 x 300 fit the window
    s.run({"scroll -5000 -5000"});
    EXPECT_EQ(s.view().scrollPosition(), out);
    // Fitting the window shows the sheet from its corner.
    s.run({"zoom fit"});
    EXPECT_EQ(s.view().scrollPosition(), (Point{0, 0}));
}

TEST(Zoom, TheStatusBarShowsChartUnitsAndWindowPixels)
{
    Session s({400, 300});
    s.run({"new 300 300 0 30", "zoom 400", "scroll 41 6", "move 10 20", "status"});
    EXPECT_EQ(s.output(), "逻辑坐标:(12,6)\n屏幕坐标:(10,20)\n");
    s.run({"zoom 50 0 0", "scroll 0 0", "move 10 21", "status"});
    EXPECT_EQ(s.output(), "逻辑坐标:(20,42)\n屏幕坐标:(10,21)\n");
}

TEST(Zoom, CommandsStepThroughTheLevelsAndFitTheSheet)
{
    Session s({800, 600});
    s.run({"new 250 200 1 30", "zoom?"});
    EXPECT_EQ(s.output(), "100%\n"); // a new window opens at 100 %
    EXPECT_TRUE(s.view().isCommandChecked(cmd::kZoom100));
    s.run({"command " + std::to_string(cmd::kZoomFit), "zoom?"});
    EXPECT_EQ(s.output(), "300%\n"); // 750 x 600 fits, 1000 x 800 does not
    EXPECT_TRUE(s.view().isCommandChecked(cmd::kZoom300));
    EXPECT_TRUE(s.view().isCommandChecked(cmd::kZoomFit));
    EXPECT_FALSE(s.view().isCommandChecked(cmd::kZoom100));
    s.run({"command " + std::to_string(cmd::kZoomIn), "command " + std::to_string(cmd::kZoomIn),
           "command " + std::to_string(cmd::kZoomIn), "zoom?"});
    EXPECT_EQ(s.output(), "800%\n"); // and no further
    s.run({"command " + std::to_string(cmd::kZoomOut), "zoom?", "command " + std::to_string(cmd::kZoom100), "zoom?"});
    EXPECT_EQ(s.output(), "600%\n100%\n");
    s.run({"command " + std::to_string(cmd::kZoomOut), "zoom?", "command " + std::to_string(cmd::kZoom25)});
    s.run({"command " + std::to_string(cmd::kZoomOut), "zoom?"});
    EXPECT_EQ(s.output(), "75%\n25%\n"); // and no further down
    EXPECT_TRUE(s.view().isCommandChecked(cmd::kZoom25));
}

TEST(Zoom, FittingPicksAnyZoomThatShowsTheWholeSheet)
{
    struct Case {
        Size window;
        Size sheet;
        int32_t percent;
    };
    const Case cases[] = {
        {{700, 500}, {250, 200}, 250},  // between the levels
        {{300, 200}, {600, 500}, 40},    // below 100 %
        {{1000, 1000}, {100, 100}, 800}, // no further than the largest level
        {{50, 50}, {600, 600}, 10},      // nor below the smallest zoom, where the sheet does not fit
    };
    for (const Case& c : cases) {
        Session s(c.window);
        s.run({"new " + std::to_string(c.sheet.width) + " " + std::to_string(c.sheet.height) + " 0 30",
               "command " + std::to_string(cmd::kZoomFit), "zoom?"});
        EXPECT_EQ(s.output(), std::to_string(c.percent) + "%\n");
        EXPECT_EQ(s.view().isCommandChecked(cmd::kZoomFit), c.percent > Viewport::kSmallestPercent);
        EXPECT_EQ(s.view().isCommandChecked(commandOfZoom(c.percent)), commandOfZoom(c.percent) != 0);
        // Stepping goes on from the levels either side.
        s.run({"command " + std::to_string(cmd::kZoomIn), "zoom?"});
        const auto next = std::find_if(kZoomLevels.begin(), kZoomLevels.end(), [&](int32_t l) { return l > c.percent; });
        EXPECT_EQ(s.output(), std::to_string(next == kZoomLevels.end() ? c.percent : *next) + "%\n");
    }
}

TEST(Zoom, TheRunnerRefusesOtherLevels)
{
    Session s;
    s.run({"new 300 300 0 30"});
    EXPECT_NE(s.refused("zoom 250").find("25, 50, 75, 100, 150, 200, 300, 400, 600, 800"), std::string::npos);
    EXPECT_NE(s.refused("zoom big"), "");
    EXPECT_NE(s.refused("zoom 200 10"), "");
    EXPECT_EQ(s.refused("zoom fit 10 10"), "");
    EXPECT_EQ(s.view().zoomPercent(), 200); // 600 x 600 fits the 800 x 600 window
}

TEST(Zoom, TheZoomIsNotPartOfTheChartFile)
{
    const auto dir = std::filesystem::temp_directory_path();
    const auto zoomed = dir / ("loopora-zoom-" + std::to_string(::getpid()) + "-a.loopora");
    const auto plain = dir / ("loopora-zoom-" + std::to_string(::getpid()) + "-b.loopora");
    Session s;
    s.run({"new 300 300 1 30", "tool double", "drag 100 200 100 150", "save " + plain.string(), "zoom 600",
           "save " + zoomed.string(), "close", "open " + zoomed.string(), "zoom?"});
    EXPECT_EQ(s.output(), "100%\n");
    std::ifstream a(zoomed, std::ios::binary), b(plain, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));
    std::filesystem::remove(zoomed);
    std::filesystem::remove(plain);
}
