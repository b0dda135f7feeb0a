// Invariants: what a chart costs to open, draw, list and export is bounded by
// the sheet and by the number of its elements, never by the size of its
// figures or the depth of its groups: a file of a few dozen bytes holding an
// enormous chain, slip stitch or lens opens, draws and closes in a few
// megabytes; exports describe only what crosses the sheet; a file of more
// elements than a chart may hold is refused before it costs much; listings
// take a few hundred bytes an element however deep the groups nest; and a
// slip stitch enlarged by the user stays a solid dot.

#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "document/LegendText.h"
#include "elements/TypeIds.h"
#include "export/BitmapWriter.h"
#include "export/ChartExport.h"
#include "export/ChartShapes.h"
#include "limits/AllocationMeter.h"
#include "platform/Archive.h"
#include "support/ChartBytes.h"
#include "support/RecordingShapes.h"
#include "support/Session.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace loopora;
using loopora::test::AllocationMeter;
using loopora::test::ChartBytes;

namespace {

// Far more than a 600 x 600 sheet and its bitmap need, far less than the
// hundreds of megabytes such figures once cost.
constexpr size_t kModestBytes = size_t(32) << 20;

// Loads, draws and lists a chart; returns the peak memory it took.
size_t costOfOpening(const std::vector<uint8_t>& bytes, bool& opened)
{
    AllocationMeter meter;
    ChartLoadResult loaded = loadChartBytes(bytes);
    opened = loaded.document != nullptr;
    if (opened) {
        PixelBuffer sheet = renderSheet(*loaded.document);
        std::string json = chartToJson(*loaded.document);
        EXPECT_FALSE(json.empty());
    }
    return meter.peakBytes();
}

ChartBytes& chain(ChartBytes& b, int32_t length)
{
    return b.plain(typeids::kChain, {0, 0}, {length, 0}, 255).real(2.0);
}

} // namespace

TEST(HostileCharts, HugeFiguresInTinyFilesOpenAndDrawInLittleMemory)
{
    ChartBytes slip(600, 600, 1);
    slip.plain(typeids::kSlipStitch, {0, 0}, {16'000'000, 0}, 255).ints({0}).real(2.0);
    ASSERT_EQ(slip.bytes().size(), 84u);

    ChartBytes oneChain(600, 600, 1);
    chain(oneChain, 1'000'000);
    ChartBytes fourChains(600, 600, 4);
    for (int i = 0; i < 4; ++i)
        chain(fourChains, 1'000'000);
    ChartBytes lens(600, 600, 1);
    lens.plain(typeids::kLens, {0, 0}, {1'000'000, 0}, 255).real(1.5);
    ChartBytes tilted(600, 600, 2);
    tilted.plain(typeids::kSlipStitch, {-3'000'000, -2'000'000}, {5'000'000, 4'000'000}, 255).ints({1}).real(0.001);
    tilted.plain(typeids::kLens, {16'000'000, -16'000'000}, {-16'000'000, 16'000'000}, 255).real(1e-9);

    for (const ChartBytes* chart : {&slip, &oneChain, &fourChains, &lens, &tilted}) {
        bool opened = false;
        EXPECT_LT(costOfOpening(chart->bytes(), opened), kModestBytes);
        EXPECT_TRUE(opened);
    }
}

TEST(HostileCharts, AFileRefusedAfterAHugeGroupedChainCostsLittle)
{
    // The group's frame is measured as it closes, before the bad record is read.
    ChartBytes b(600, 600, 2);
    b.ints({typeids::kGroup, 1});
    chain(b, 1'000'000);
    b.ints({151, 0, 0});
    bool opened = true;
    EXPECT_LT(costOfOpening(b.bytes(), opened), kModestBytes);
    EXPECT_FALSE(opened);
}

TEST(HostileCharts, HugeFiguresKeepTheirBoundsAroundTheirGeometry)
{
    ChartBytes b(600, 600, 1);
    chain(b, 1'000'000);
    ChartLoadResult loaded = loadChartBytes(b.bytes());
    ASSERT_TRUE(loaded.document);
    const Rect r = loaded.document->canvas().child(0)->getBounds();
    // From one end to the other, as wide as half the length, with the pen on top.
    EXPECT_LE(r.left, -5);
    EXPECT_GE(r.right, 1'000'000 + 254);
    EXPECT_LE(r.top, -250'000 - 254);
    EXPECT_GE(r.bottom, 250'000);
    EXPECT_LE(r.right, 1'000'000 + 254 + 8);
    EXPECT_GE(r.top, -250'000 - 254 - 8);
}

namespace {

// The sheet's pixels that are not the pen's black, in a box.
int notBlackIn(const PixelBuffer& sheet, Rect box)
{
    int count = 0;
    for (int32_t y = box.top; y < box.bottom; ++y)
        for (int32_t x = box.left; x < box.right; ++x)
            if (sheet.colourAt(x, y) != colours::black)
                ++count;
    return count;
}

} // namespace

namespace {

// Chains stretched to a ratio of a thousandth, drawn a tenth: ovals a
// million pixels long and ten million wide, whose outlines cross the sheet.
ChartBytes stretchedChains(int32_t count)
{
    ChartBytes b(600, 600, count);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t y = 20 + (i * 7) % 560;
        if (i % 2)
            b.plain(typeids::kChain, {300, y}, {300 + 1'000'000, y}, 2).real(1e-3);
        else
            b.plain(typeids::kChain, {300 - 1'000'000, y}, {300, y}, 2).real(1e-3);
    }
    return b;
}

// A chart of labels, each of the one letter "a".
std::vector<uint8_t> labelsOf(int32_t count)
{
    ChartBytes b(600, 600, count);
    std::vector<uint8_t> bytes = b.bytes();
    const ChartBytes label = ChartBytes(0, 0, 0).plain(typeids::kText, {0, 0}, {100, 20}, 1);
    for (int32_t i = 0; i < count; ++i) {
        bytes.insert(bytes.end(), label.bytes().begin() + 36, label.bytes().end());
        bytes.push_back(1);
        bytes.push_back('a');
    }
    return bytes;
}

bool within(const ShapeBox& box, ShapePoint p)
{
    return ShapeBox{box.left - 1e-6, box.top - 1e-6, box.right + 1e-6, box.bottom + 1e-6}.contains(p);
}

} // namespace

TEST(HostileCharts, ExportsDescribeOnlyWhatCrossesTheSheet)
{
    ChartBytes b = stretchedChains(40);
    // A slip stitch and a lens as stretched, a dashed line corner to corner of the drawable area.
    b.plain(typeids::kSlipStitch, {-3'000'000, 300}, {5'000'000, 310}, 2).ints({0}).real(1e-3);
    b.plain(typeids::kLens, {16'000'000, -16'000'000}, {-16'000'000, 16'000'000}, 3).real(1e-9);
    b.ints({typeids::kLine, 2, -16'000'000, -15'000'000, 16'000'000, 16'000'000, 1, 0, 2});
    std::vector<uint8_t> bytes = b.bytes();
    bytes[8] = 43; // the element count
    ChartLoadResult loaded = loadChartBytes(bytes);
    ASSERT_TRUE(loaded.document) << loaded.error;
    test::RecordingShapes shapes;
    describeChart(*loaded.document, shapes, false);
    const ShapeBox window = sheetWindowOf(*loaded.document);
    using Kind = test::RecordedShape::Kind;
    for (const test::RecordedShape& s : shapes.shapes) {
        switch (s.kind) {
        case Kind::Arc:
            for (int i = 0; i <= 16; ++i)
                ASSERT_TRUE(within(window, s.ellipse.at(s.from + s.sweep * i / 16)));
            break;
        case Kind::Line:
        case Kind::Rectangle:
        case Kind::FilledEllipseWithin:
            ASSERT_TRUE(within(window, s.a) && within(window, s.b));
            break;
        case Kind::Ellipse:
        case Kind::FilledEllipse:
            ASSERT_TRUE(window.holds(s.ellipse.box()));
            break;
        case Kind::FilledPolygon:
            for (ShapePoint p : s.corners)
                ASSERT_TRUE(within(window, p));
            break;
        case Kind::Text: break;
        }
    }
    EXPECT_GE(shapes.count(Kind::Arc), 40u);
    EXPECT_EQ(shapes.count(Kind::FilledEllipseWithin), 1u);
    // The files are as small as what they show.
    for (ExportFormat format : {ExportFormat::Pdf, ExportFormat::Svg, ExportFormat::Png}) {
        ExportOptions options;
        options.dpi = 72;
        std::vector<uint8_t> file;
        std::string error;
        ASSERT_TRUE(renderChartFile(*loaded.document, format, options, "stretched", file, error)) << error;
        EXPECT_LT(file.size(), 200'000u) << int(format);
    }
}

TEST(HostileCharts, MoreElementsThanAChartMayHoldAreRefusedEarlyAndCheaply)
{
    // One empty group more than a chart may hold, announced at the top: refused at the count.
    const int32_t tooMany = CArchive::kMaximumRecords + 1;
    std::vector<uint8_t> announced = ChartBytes(600, 600, tooMany).bytes();
    announced.resize(announced.size() + 8 * size_t(tooMany), 0);
    AllocationMeter meter;
    ChartLoadResult loaded = loadChartBytes(announced);
    EXPECT_FALSE(loaded.document);
    EXPECT_NE(loaded.error.find("element count " + std::to_string(tooMany) + " is over the limit of " +
                                std::to_string(CArchive::kMaximumRecords)),
              std::string::npos)
        << loaded.error;
    EXPECT_LT(meter.peakBytes(), size_t(1) << 20);
    // A group of all the elements a chart may hold and another group after it:
    // refused at the second group. A lowered bound stands in for the real one,
    // which would build millions of elements first.
    const int32_t most = 1000;
    ChartBytes nested(600, 600, 2);
    nested.ints({typeids::kGroup, most - 1});
    std::vector<uint8_t> bytes = nested.bytes();
    bytes.resize(bytes.size() + 8 * size_t(most - 1), 0);
    const size_t second = bytes.size();
    bytes.resize(bytes.size() + 8, 0);
    loaded = loadChartBytes(bytes, most);
    EXPECT_FALSE(loaded.document);
    EXPECT_NE(loaded.error.find("offset " + std::to_string(second)), std::string::npos) << loaded.error;
    EXPECT_NE(loaded.error.find("more than " + std::to_string(most) + " elements"), std::string::npos) << loaded.error;
    // Without the second group the same file opens.
    ChartBytes one(600, 600, 1);
    one.ints({typeids::kGroup, most - 1});
    std::vector<uint8_t> fits = one.bytes();
    fits.resize(fits.size() + 8 * size_t(most - 1), 0);
    EXPECT_TRUE(loadChartBytes(fits, most).document) << loadChartBytes(fits, most).error;
}

TEST(HostileCharts, PointsAndLabelsBeyondTheirLimitsAreRefused)
{
    ChartBytes points(600, 600, 1);
    points.ints({typeids::kLine, 5, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 1, 0, 0});
    ChartLoadResult loaded = loadChartBytes(points.bytes());
    EXPECT_NE(loaded.error.find("point count 5 is over the limit of 4"), std::string::npos) << loaded.error;
    // Two labels of 600,000 characters each: the second is one too many.
    ChartBytes labels(600, 600, 2);
    std::vector<uint8_t> bytes = labels.bytes();
    for (int i = 0; i < 2; ++i) {
        const ChartBytes label = ChartBytes(0, 0, 0).plain(typeids::kText, {0, 0}, {100, 20}, 1);
        bytes.insert(bytes.end(), label.bytes().begin() + 36, label.bytes().end());
        const uint8_t prefix[] = {0xFF, 0xFF, 0xFF, 0xC0, 0x27, 0x09, 0x00}; // 600,000
        bytes.insert(bytes.end(), std::begin(prefix), std::end(prefix));
        bytes.resize(bytes.size() + 600'000, 'a');
    }
    loaded = loadChartBytes(bytes);
    EXPECT_NE(loaded.error.find("texts are longer than 1000000 characters"), std::string::npos) << loaded.error;
    // One label more than a chart may hold, each of one character.
    loaded = loadChartBytes(labelsOf(CArchive::kMaximumTexts + 1));
    EXPECT_NE(loaded.error.find("more than " + std::to_string(CArchive::kMaximumTexts) + " texts"), std::string::npos)
        << loaded.error;
    EXPECT_TRUE(loadChartBytes(labelsOf(CArchive::kMaximumTexts)).document);
}

TEST(HostileCharts, ListingsTakeAFewHundredBytesAnElementHoweverDeepTheGroups)
{
    // Twenty stacks of 255 groups around a chain, and as many groups side by side.
    ChartBytes deep(600, 600, 20);
    for (int i = 0; i < 20; ++i) {
        for (int level = 0; level < 255; ++level)
            deep.ints({typeids::kGroup, 1});
        chain(deep, 40);
    }
    ChartBytes wide(600, 600, 20 * 255);
    for (int i = 0; i < 20 * 255; ++i) {
        wide.ints({typeids::kGroup, 1});
        chain(wide, 40);
    }
    for (const auto& [chart, elements] : {std::pair{&deep, 20 * 256}, std::pair{&wide, 20 * 255 * 2}}) {
        ChartLoadResult loaded = loadChartBytes(chart->bytes());
        ASSERT_TRUE(loaded.document) << loaded.error;
        const std::string dump = chartToJson(*loaded.document);
        const std::string legend = legendAsJson(loaded.document->canvas(), Language::Russian);
        EXPECT_LT(dump.size(), 300u * elements) << (chart == &deep ? "deep" : "wide");
        EXPECT_LT(legend.size(), 400u * elements) << (chart == &deep ? "deep" : "wide");
    }
}

TEST(HostileCharts, AChartCostsAFewHundredBytesAnElementToOpenListAndExport)
{
    // A hundred thousand groups, each around a line: two fifths of what a chart may hold.
    ChartBytes b(600, 600, 100'000);
    for (int i = 0; i < 100'000; ++i)
        b.ints({typeids::kGroup, 1, typeids::kLine, 2, i % 600, 10, i % 600, 20, 1, 0, 0});
    AllocationMeter meter;
    ChartLoadResult loaded = loadChartBytes(b.bytes());
    ASSERT_TRUE(loaded.document) << loaded.error;
    std::string listed = chartToJson(*loaded.document) + legendAsJson(loaded.document->canvas(), Language::English);
    std::vector<uint8_t> svg;
    std::string error;
    ASSERT_TRUE(renderChartFile(*loaded.document, ExportFormat::Svg, {}, "many", svg, error)) << error;
    // At the most elements a chart may hold, well within a gigabyte.
    EXPECT_LT(meter.peakBytes(), 200'000 * 1000u);
}

TEST(EnlargedSlipStitch, StaysASolidDotAndCostsLittle)
{
    test::Session s;
    s.run({"new 600 600 1 30", "tool slipstitch", "drag 300 20 300 580", "group"});
    AllocationMeter meter;
    for (int i = 0; i < 4; ++i)
        s.run({"answer ok widthfactor=2 heightfactor=2", "command 32786"});
    const PixelBuffer sheet = renderSheet(s.view().document());
    EXPECT_LT(meter.peakBytes(), kModestBytes);
    // Sixteen times its length, the dot covers the whole sheet.
    EXPECT_EQ(notBlackIn(sheet, {0, 0, 600, 600}), 0);
}

TEST(EnlargedSlipStitch, AShortOneScaledSevenTimesStaysSolidAndSmallInMemory)
{
    test::Session s;
    s.run({"new 600 600 1 30", "tool slipstitch", "drag 300 200 300 400", "group"});
    AllocationMeter meter;
    for (int i = 0; i < 7; ++i)
        s.run({"answer ok widthfactor=2 heightfactor=2", "command 32786"});
    const PixelBuffer sheet = renderSheet(s.view().document());
    EXPECT_LT(meter.peakBytes(), kModestBytes);
    EXPECT_EQ(notBlackIn(sheet, {0, 0, 600, 600}), 0);
}

TEST(OutOfMemory, OpeningAChartSaysSoInsteadOfThrowing)
{
    ChartBytes b(600, 600, 200);
    for (int i = 0; i < 200; ++i)
        b.plain(typeids::kLine, {i, 0}, {i, 100}, 2);
    ChartLoadResult loaded;
    {
        AllocationMeter scarce(4096);
        loaded = loadChartBytes(b.bytes());
    }
    EXPECT_FALSE(loaded.document);
    EXPECT_NE(loaded.error.find("not enough memory"), std::string::npos) << loaded.error;
}

TEST(OutOfMemory, AScriptNamesTheLineThatRanOutAndTheOtherChartsLiveOn)
{
    std::ostringstream out, err;
    cli::ScriptRunner runner({400, 300}, out);
    std::istringstream first("new 300 300 1 30\ntool double\ndrag 100 200 100 150\n");
    ASSERT_EQ(runner.run(first, err), 0) << err.str();
    int status = 0;
    {
        AllocationMeter scarce(1024);
        std::istringstream second("new 4000 4000 1 30\n");
        status = runner.run(second, err);
    }
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.str().find("script line 1: there is not enough memory"), std::string::npos) << err.str();
    std::istringstream third("window 1\ntool double\ndrag 200 200 200 150\n");
    EXPECT_EQ(runner.run(third, err), 0) << err.str();
    EXPECT_EQ(runner.app().chart(0).document->canvas().childCount(), 2u);
}
