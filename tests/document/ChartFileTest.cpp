// Invariants: a saved chart is byte for byte the layout charts have always
// had; loading gives back the same tree; deleted elements and flags never
// reach the file; a damaged file is refused with its offset, never a crash.

#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "elements/GroupElement.h"
#include "elements/TextElement.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

using namespace loopora;
using loopora::test::place;

namespace {

std::unique_ptr<CPattraDoc> newChart(int32_t w = 300, int32_t h = 200)
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(w, h);
    doc->canvas().setBackgroundKind(1);
    doc->canvas().setLineSpacing(30);
    return doc;
}

std::vector<int32_t> asInts(const std::vector<uint8_t>& bytes, size_t from = 0)
{
    std::vector<int32_t> out;
    for (size_t i = from; i + 4 <= bytes.size(); i += 4) {
        int32_t v;
        std::memcpy(&v, bytes.data() + i, 4);
        out.push_back(v);
    }
    return out;
}

// A chart with one of everything this layer knows, for round trips and damage.
std::unique_ptr<CPattraDoc> richChart()
{
    auto doc = newChart();
    CCanvas& canvas = doc->canvas();
    place(canvas, typeids::kLine, {{10, 20}, {30, 40}}, {2, rgb(10, 20, 30), 0});
    place(canvas, typeids::kRectangle, {{50, 50}, {90, 70}});
    auto* text = static_cast<CTextElement*>(place(canvas, typeids::kText, {{100, 100}, {180, 140}}));
    text->setText("Ряд 1\r\nповтор");
    place(canvas, typeids::kLens, {{150, 30}, {150, 90}});
    auto* group = static_cast<CGroupElement*>(canvas.appendChild(std::make_unique<CGroupElement>()));
    place(*group, typeids::kLine, {{200, 10}, {220, 30}});
    place(*group, typeids::kLine, {{210, 5}, {210, 45}});
    group->recomputeFrame();
    return doc;
}

} // namespace

TEST(ChartFile, EmptyChartIs36Bytes)
{
    auto doc = newChart(600, 400);
    std::vector<uint8_t> bytes = saveChartBytes(*doc);
    ASSERT_EQ(bytes.size(), 36u);
    EXPECT_EQ(asInts(bytes), (std::vector<int32_t>{600, 400, 0, 1, 30, 0, 0, 600, 400}));
}

TEST(ChartFile, OneLineAdds36Bytes)
{
    auto doc = newChart();
    place(doc->canvas(), typeids::kLine, {{10, 20}, {30, 40}});
    std::vector<uint8_t> bytes = saveChartBytes(*doc);
    ASSERT_EQ(bytes.size(), 72u);
    EXPECT_EQ(asInts(bytes)[2], 1);
    EXPECT_EQ(asInts(bytes, 36), (std::vector<int32_t>{53, 2, 10, 20, 30, 40, 1, 0, 0}));
}

TEST(ChartFile, GroupBodyAndItsFrameAfterLoading)
{
    auto doc = newChart();
    auto* group = static_cast<CGroupElement*>(doc->canvas().appendChild(std::make_unique<CGroupElement>()));
    place(*group, typeids::kLine, {{10, 20}, {30, 40}});
    group->recomputeFrame();
    std::vector<uint8_t> bytes = saveChartBytes(*doc);
    EXPECT_EQ(asInts(bytes, 36), (std::vector<int32_t>{0, 1, 53, 2, 10, 20, 30, 40, 1, 0, 0}));
    ChartLoadResult loaded = loadChartBytes(bytes);
    ASSERT_TRUE(loaded.document) << loaded.error;
    const CChartElement* g = loaded.document->canvas().child(0);
    EXPECT_EQ(g->points(), (std::vector<Point>{{5, 15}, {35, 15}, {35, 45}, {5, 45}}));
    EXPECT_EQ(g->pen(), PenAttributes{});
}

TEST(ChartFile, DeletedElementsAndFlagsLeaveNoTrace)
{
    auto doc = newChart();
    CChartElement* kept = place(doc->canvas(), typeids::kLine, {{1, 1}, {2, 2}});
    CChartElement* gone = place(doc->canvas(), typeids::kLine, {{3, 3}, {4, 4}});
    auto* group = static_cast<CGroupElement*>(doc->canvas().appendChild(std::make_unique<CGroupElement>()));
    CChartElement* hiddenChild = place(*group, typeids::kLine, {{5, 5}, {6, 6}});
    place(*group, typeids::kLine, {{7, 7}, {8, 8}});
    group->recomputeFrame();
    gone->setFlags(kDeletedFlags);
    hiddenChild->setFlags(kDeletedFlags);
    kept->setFlags(kSelected | kCurrent);
    std::vector<uint8_t> bytes = saveChartBytes(*doc);
    std::vector<int32_t> ints = asInts(bytes);
    EXPECT_EQ(ints[2], 2); // the line and the group
    EXPECT_EQ(asInts(bytes, 72)[1], 1); // the group holds one visible child
    ChartLoadResult loaded = loadChartBytes(bytes);
    ASSERT_TRUE(loaded.document);
    EXPECT_EQ(loaded.document->canvas().childCount(), 2u);
    EXPECT_EQ(loaded.document->canvas().child(0)->flags(), 0);
}

TEST(ChartFile, RoundTripKeepsTheWholeTree)
{
    auto doc = richChart();
    std::vector<uint8_t> bytes = saveChartBytes(*doc);
    ChartLoadResult loaded = loadChartBytes(bytes);
    ASSERT_TRUE(loaded.document) << loaded.error;
    EXPECT_EQ(chartToJson(*loaded.document), chartToJson(*doc));
    EXPECT_EQ(saveChartBytes(*loaded.document), bytes);
    auto* text = dynamic_cast<CTextElement*>(loaded.document->canvas().child(2));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text(), "Ряд 1\r\nповтор");
    EXPECT_EQ(text->canvas(), &loaded.document->canvas());
}

TEST(ChartFile, LongLabelUsesTheThreeBytePrefix)
{
    auto doc = newChart();
    auto* text = static_cast<CTextElement*>(place(doc->canvas(), typeids::kText, {{0, 0}, {10, 10}}));
    text->setText(std::string(300, 'x'));
    std::vector<uint8_t> bytes = saveChartBytes(*doc);
    size_t at = 36 + 4 + 4 + 16 + 12; // type id, count, two points, pen
    EXPECT_EQ(bytes[at], 0xFF);
    EXPECT_EQ(bytes[at + 1] | (bytes[at + 2] << 8), 300);
}

TEST(ChartFile, UnknownTypeIdIsRefusedWithItsOffset)
{
    auto doc = newChart();
    place(doc->canvas(), typeids::kLine, {{10, 20}, {30, 40}});
    std::vector<uint8_t> bytes = saveChartBytes(*doc);
    bytes[36] = 151;
    ChartLoadResult loaded = loadChartBytes(bytes);
    EXPECT_FALSE(loaded.document);
    EXPECT_EQ(loaded.error, "offset 36: type id 151 has no element class");
}

TEST(ChartFile, DamagedCountsSizesAndTrailingBytesAreRefused)
{
    auto base = saveChartBytes(*richChart());
    auto refused = [](std::vector<uint8_t> bytes) { return !loadChartBytes(bytes).document; };

    std::vector<uint8_t> negative = base;
    std::memset(negative.data() + 8, 0xFF, 4); // element count -1
    EXPECT_TRUE(refused(negative));

    std::vector<uint8_t> huge = base;
    int32_t many = 100000000;
    std::memcpy(huge.data() + 8, &many, 4);
    EXPECT_TRUE(refused(huge));

    std::vector<uint8_t> trailing = base;
    trailing.push_back(0);
    ChartLoadResult t = loadChartBytes(trailing);
    EXPECT_FALSE(t.document);
    EXPECT_NE(t.error.find("1 bytes follow"), std::string::npos);

    std::vector<uint8_t> badSize = base;
    int32_t zero = 0;
    std::memcpy(badSize.data(), &zero, 4);
    EXPECT_TRUE(refused(badSize));
}

TEST(ChartFile, EveryTruncationIsRefusedCleanly)
{
    std::vector<uint8_t> bytes = saveChartBytes(*richChart());
    for (size_t n = 0; n < bytes.size(); ++n) {
        ChartLoadResult loaded = loadChartBytes(std::span(bytes.data(), n));
        EXPECT_FALSE(loaded.document) << n;
        EXPECT_FALSE(loaded.error.empty()) << n;
    }
}

TEST(ChartFile, RandomDamageGivesAChartOrAnError)
{
    std::vector<uint8_t> original = saveChartBytes(*richChart());
    std::mt19937 random(20261207);
    int loadedCount = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes = original;
        int changes = 1 + int(random() % 4);
        for (int i = 0; i < changes; ++i) {
            size_t at = random() % bytes.size();
            switch (random() % 3) {
            case 0: bytes[at] = uint8_t(random()); break;
            case 1: bytes[at] ^= uint8_t(1u << (random() % 8)); break;
            default: bytes[at] = (random() % 2) ? 0xFF : 0x00; break;
            }
        }
        ChartLoadResult loaded = loadChartBytes(bytes);
        if (loaded.document) {
            ++loadedCount;
            // Whatever loaded must be usable: bounds, hit tests and saving again.
            CCanvas& canvas = loaded.document->canvas();
            (void)canvas.getBounds();
            HitInfo hit;
            hit.point = {150, 60};
            (void)canvas.hitTest(hit);
            (void)saveChartBytes(*loaded.document);
        } else {
            EXPECT_EQ(loaded.error.rfind("offset ", 0), 0u) << loaded.error;
        }
    }
    EXPECT_GT(loadedCount, 0);
}

TEST(ChartFile, SavingReplacesTheFileOnlyWhenComplete)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("loopora-save-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path target = dir / "chart.lpc";
    auto doc = richChart();
    std::string error;
    ASSERT_TRUE(saveChartFile(*doc, target, error)) << error;
    ChartLoadResult loaded = loadChartFile(target);
    ASSERT_TRUE(loaded.document) << loaded.error;
    EXPECT_FALSE(fs::exists(target.string() + ".saving"));
    // A save into a folder that does not exist fails and says so.
    EXPECT_FALSE(saveChartFile(*doc, dir / "missing" / "chart.lpc", error));
    EXPECT_FALSE(error.empty());
    fs::remove_all(dir);
}
