// Invariants of a zoomed chart window: the window shows the sheet's bitmap
// with each chart pixel a square block, whatever the zoom, the scroll
// position and the gesture in progress; the same gestures give the same
// chart at every zoom, their positions scaled; zooming about a window point
// keeps the chart point under it; scrolling and the keys count enlarged
// pixels; the zoom belongs to the window, not to the chart file.

#include "document/ChartJson.h"
#include "export/BitmapWriter.h"
#include "platform/PixelBlocks.h"
#include "platform/RasterDC.h"
#include "support/RepaintCheck.h"
#include "support/Session.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace loopora;
using loopora::test::Session;
using loopora::test::showsWhatARepaintShows;

namespace {

// The sheet as the canvas draws it: the bitmap export's picture, and the
// selection's handles when something is selected.
PixelBuffer drawnSheet(CPattraDoc& doc)
{
    if (doc.canvas().selection().empty())
        return renderSheet(doc);
    PixelBuffer picture(doc.chartWidth(), doc.chartHeight(), colours::white);
    CRasterDC dc(picture);
    dc.setWindowOrigin({-doc.canvas().origin().x, -doc.canvas().origin().y});
    doc.canvas().draw(dc);
    return picture;
}

// The window pixels that show the sheet are the sheet's pixels as drawn,
// enlarged by the zoom from the scroll position.
testing::AssertionResult showsTheBitmapInBlocks(Session& s)
{
    CPattraView& view = s.view();
    const PixelBuffer sheet = drawnSheet(view.document());
    const PixelBuffer& shown = view.pixels();
    const int32_t zoom = view.zoomPercent() / 100;
    const Point scroll = view.host().scrollPosition();
    for (int32_t y = 0; y < shown.height(); ++y)
        for (int32_t x = 0; x < shown.width(); ++x) {
            const auto sx = int32_t(floorDivide(int64_t(x) + scroll.x, zoom));
            const auto sy = int32_t(floorDivide(int64_t(y) + scroll.y, zoom));
            if (!sheet.inside(sx, sy))
                continue;
            if (shown.colourAt(x, y) != sheet.colourAt(sx, sy))
                return testing::AssertionFailure() << "window pixel (" << x << ", " << y << ") does not show sheet pixel ("
                                                   << sx << ", " << sy << ") at " << zoom * 100 << "%";
        }
    return testing::AssertionSuccess();
}

// A script whose positions are chart points, written {x y}, run at a zoom
// from a scroll position: each point becomes the middle of its block.
std::string scaled(const std::string& line, int32_t zoom, Point scroll)
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
        out += line.substr(at, open - at) + std::to_string(x * zoom + zoom / 2 - scroll.x) + " " +
               std::to_string(y * zoom + zoom / 2 - scroll.y);
        at = close + 1;
    }
}

// Places, selects (click, Ctrl+click, rubber band), moves, drags handles,
// rotates, nudges with the keys and repeats along a row.
const std::vector<std::string> kEditing = {
    "tool line",          "drag {20 30} {90 30}",           "tool double",       "drag {40 120} {42 80}",
    "tool treble",        "drag {100 130} {100 70}",        "tool text",         "drag {110 20} {140 45}",
    "tool select",        "click {41 100}",                 "click {100 100} ctrl", "drag {41 100} {51 104}",
    "drag {90 30} {95 50}", // the line's end handle
    "press {5 5}",        "move {60 60} left",              "move {150 150} left", "release {150 150}",
    "key LEFT",           "key DOWN ctrl",                  "click {100 100}",   "tool rotatebyarc",
    "drag {120 100} {125 110}", "answer menu 33042",        "answer ok count=3", "rclick {100 100}",
    "drag {30 140} {120 140}",
};

std::string editedChart(int32_t percent, Point scroll)
{
    Session s({500, 400});
    s.run({"new 150 150 0 30", "zoom " + std::to_string(percent), "scroll " + std::to_string(scroll.x) + " " +
                                                                          std::to_string(scroll.y)});
    const Point at = s.view().host().scrollPosition();
    for (const std::string& line : kEditing)
        s.run({scaled(line, percent / 100, at)});
    EXPECT_TRUE(showsTheBitmapInBlocks(s)) << percent << "%";
    return chartToJson(s.view().document());
}

} // namespace

TEST(Zoom, TheSameGesturesGiveTheSameChartAtEveryZoom)
{
    const std::string atHundred = editedChart(100, {0, 0});
    EXPECT_NE(atHundred.find("\"name\": \"lines\""), std::string::npos) << atHundred;
    EXPECT_EQ(editedChart(300, {0, 0}), atHundred);
    EXPECT_EQ(editedChart(300, {7, 35}), atHundred);
    EXPECT_EQ(editedChart(800, {0, 0}), atHundred);
    EXPECT_EQ(editedChart(800, {205, 333}), atHundred);
}

TEST(Zoom, ZoomingAboutAWindowPointKeepsTheChartPointUnderIt)
{
    Session s({400, 300});
    s.run({"new 600 600 2 30"});
    const Point anchors[] = {{0, 0}, {399, 299}, {123, 77}, {200, 150}, {5, 290}};
    const int levels[] = {200, 800, 300, 600, 400, 200, 800, 100};
    for (Point anchor : anchors)
        for (int level : levels) {
            const Point before = s.view().windowToChart(anchor);
            s.run({"zoom " + std::to_string(level) + " " + std::to_string(anchor.x) + " " + std::to_string(anchor.y)});
            // Zooming out near the sheet's corner, the scroll range cannot
            // always keep the point: only the others are held to it.
            const Point scroll = s.view().host().scrollPosition();
            if (scroll.x > 0 && scroll.y > 0) {
                EXPECT_EQ(s.view().windowToChart(anchor), before)
                    << "zoom " << level << " about (" << anchor.x << ", " << anchor.y << ")";
            }
        }
    EXPECT_TRUE(showsTheBitmapInBlocks(s));
}

TEST(Zoom, TheWindowShowsTheBitmapInBlocksWhileScrollingAndDragging)
{
    Session s({300, 200});
    s.run({"new 400 300 1 30", "tool double", "drag 100 200 110 150", "drag 150 220 150 160", "zoom 300 150 100"});
    EXPECT_TRUE(showsTheBitmapInBlocks(s));
    // Scroll positions that cut blocks, by steps smaller and larger than a block.
    for (const char* scroll : {"scroll 301 217", "scroll 302 215", "scroll 350 215", "scroll 170 90", "scroll 171 389"}) {
        s.run({scroll});
        EXPECT_TRUE(showsTheBitmapInBlocks(s)) << scroll;
    }
    // A rubber band is drawn into the sheet's pixels and enlarged with them;
    // it goes without a trace however the window scrolls under it.
    s.run({"tool select", "press 10 10", "move 200 150 left"});
    EXPECT_FALSE(showsTheBitmapInBlocks(s));
    s.run({"scroll 200 200", "move 100 180 left", "key HOME", "move 250 20 left", "release 250 20"});
    EXPECT_TRUE(showsTheBitmapInBlocks(s));
    EXPECT_TRUE(showsWhatARepaintShows(s));
}

TEST(Zoom, KeysAndScrollingCountEnlargedPixels)
{
    Session s({400, 300});
    s.run({"new 300 300 0 30"});
    s.run({"key DOWN"}); // the whole sheet fits: nothing scrolls
    EXPECT_EQ(s.view().host().scrollPosition(), (Point{0, 0}));
    s.run({"zoom 300", "key DOWN", "key RIGHT", "key RIGHT"});
    EXPECT_EQ(s.view().host().scrollPosition(), (Point{400, 150}));
    s.run({"scroll 5000 5000"}); // held within the sheet at 300 %
    EXPECT_EQ(s.view().host().scrollPosition(), (Point{900 - 400, 900 - 300}));
    s.run({"key HOME"});
    EXPECT_EQ(s.view().host().scrollPosition(), (Point{0, 0}));
    EXPECT_TRUE(showsTheBitmapInBlocks(s));
}

TEST(Zoom, TheStatusBarShowsChartUnitsAndWindowPixels)
{
    Session s({400, 300});
    s.run({"new 300 300 0 30", "zoom 400", "scroll 41 6", "move 10 20", "status"});
    EXPECT_EQ(s.output(), "逻辑坐标:(12,6)\n屏幕坐标:(10,20)\n");
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
    EXPECT_FALSE(s.view().isCommandChecked(cmd::kZoom100));
    s.run({"command " + std::to_string(cmd::kZoomIn), "command " + std::to_string(cmd::kZoomIn),
           "command " + std::to_string(cmd::kZoomIn), "zoom?"});
    EXPECT_EQ(s.output(), "800%\n"); // and no further
    s.run({"command " + std::to_string(cmd::kZoomOut), "zoom?", "command " + std::to_string(cmd::kZoom100), "zoom?"});
    EXPECT_EQ(s.output(), "600%\n100%\n");
    s.run({"command " + std::to_string(cmd::kZoomOut), "zoom?"});
    EXPECT_EQ(s.output(), "100%\n");
    EXPECT_TRUE(showsTheBitmapInBlocks(s));
}

TEST(Zoom, TheRunnerRefusesOtherLevels)
{
    Session s;
    s.run({"new 300 300 0 30"});
    EXPECT_NE(s.refused("zoom 250").find("100, 200, 300, 400, 600, 800"), std::string::npos);
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
