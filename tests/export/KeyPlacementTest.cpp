// Invariants of placing a chart's key on the page: it stands beside the
// chart or below it, whichever prints the chart larger (on a page the size of
// the chart, whichever makes the smaller page; at a fixed scale, whichever
// fits); chart and key never overlap and stay within the margins; the key
// keeps its readable size unless the page is too small for it, and its text
// never prints below 7 points: a long key flows into columns, then goes on
// to further pages (a PDF) or makes the picture larger (a PNG), every row
// once and in order; a fixed scale at which the chart is larger than the
// page is refused with one at which it fits; without a key the chart alone
// is laid out as before.

#include "document/TypeTable.h"
#include "export/ExportOptions.h"
#include "export/LegendShapes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace loopora;

namespace {

constexpr double kSlack = 1e-6;
const KeySize kKey{300, 250};

struct Box {
    double left, top, right, bottom;
};

Box chartBox(const PageLayout& p, int32_t width, int32_t height)
{
    return {p.chartLeft, p.chartTop, p.chartLeft + width * p.mmPerPixel, p.chartTop + height * p.mmPerPixel};
}

Box keyBox(const PageLayout& p, const KeySize& key)
{
    return {p.key->left, p.key->top, p.key->left + key.width * p.key->mmPerUnit,
            p.key->top + key.height * p.key->mmPerUnit};
}

bool beside(const Box& chart, const Box& key) { return key.left >= chart.right + kKeyGapMm - kSlack; }
bool below(const Box& chart, const Box& key) { return key.top >= chart.bottom + kKeyGapMm - kSlack; }

void expectWithin(const Box& box, const PageLayout& p, double margin)
{
    EXPECT_GE(box.left, margin - kSlack);
    EXPECT_GE(box.top, margin - kSlack);
    EXPECT_LE(box.right, p.pageWidth - margin + kSlack);
    EXPECT_LE(box.bottom, p.pageHeight - margin + kSlack);
}

void expectContentHolds(const PageLayout& p, const Box& box)
{
    EXPECT_GE(box.left, p.contentLeft - kSlack);
    EXPECT_GE(box.top, p.contentTop - kSlack);
    EXPECT_LE(box.right, p.contentLeft + p.contentWidth + kSlack);
    EXPECT_LE(box.bottom, p.contentTop + p.contentHeight + kSlack);
}

} // namespace

TEST(KeyPlacement, ATallChartHasItsKeyBesideAndAWideOneBelow)
{
    std::string error;
    const PageOptions a4;
    const std::optional<PageLayout> tall = layOutPage(100, 600, a4, error, kKey);
    ASSERT_TRUE(tall && tall->key) << error;
    EXPECT_TRUE(beside(chartBox(*tall, 100, 600), keyBox(*tall, kKey)));
    // Beside, the chart takes the page's whole height.
    EXPECT_NEAR(600 * tall->mmPerPixel, 277, kSlack);

    const std::optional<PageLayout> wide = layOutPage(600, 100, a4, error, kKey);
    ASSERT_TRUE(wide && wide->key) << error;
    EXPECT_TRUE(below(chartBox(*wide, 600, 100), keyBox(*wide, kKey)));
    EXPECT_NEAR(600 * wide->mmPerPixel, 190, kSlack);

    for (const auto& [layout, w, h] : {std::tuple{*tall, 100, 600}, std::tuple{*wide, 600, 100}}) {
        EXPECT_DOUBLE_EQ(layout.key->mmPerUnit, kKeyMmPerUnit);
        expectWithin(chartBox(layout, w, h), layout, 10);
        expectWithin(keyBox(layout, kKey), layout, 10);
        expectContentHolds(layout, chartBox(layout, w, h));
        expectContentHolds(layout, keyBox(layout, kKey));
    }
}

TEST(KeyPlacement, AKeyALittleTooLongForThePageShrinksToFitIt)
{
    std::string error;
    const KeySize longKey{300, 1200};
    const std::optional<PageLayout> page = layOutPage(300, 300, PageOptions{}, error, longKey);
    ASSERT_TRUE(page && page->key) << error;
    EXPECT_LT(page->key->mmPerUnit, kKeyMmPerUnit);
    EXPECT_GE(page->key->mmPerUnit, kKeyLeastMmPerUnit);
    EXPECT_TRUE(beside(chartBox(*page, 300, 300), keyBox(*page, longKey)));
    expectWithin(keyBox(*page, longKey), *page, 10);
    expectWithin(chartBox(*page, 300, 300), *page, 10);
}

namespace {

// The key of the first `kinds` symbols of the catalogue, one of each.
LegendShapes keyOfKinds(size_t kinds)
{
    Legend legend;
    for (const ElementType& type : elementTypes())
        if (isCatalogueSymbol(type) && legend.rows.size() < kinds)
            legend.rows.push_back({&type, 1, 0});
    legend.chart.symbols = int64_t(legend.rows.size());
    return LegendShapes(legend, Language::Russian);
}

// Every run of the key a layout places, with the page it stands on (0: the chart's).
std::vector<std::pair<KeyPlace, size_t>> runsOf(const PageLayout& p)
{
    std::vector<std::pair<KeyPlace, size_t>> runs;
    if (p.key)
        runs.push_back({*p.key, 0});
    for (size_t i = 0; i < p.keyPages.size(); ++i)
        runs.push_back({p.keyPages[i], i + 1});
    return runs;
}

Box runBox(const KeyPlace& run, const KeyMeasure& key)
{
    const KeySize size = key.sizeOf(run.part);
    return {run.left, run.top, run.left + size.width * run.mmPerUnit, run.top + size.height * run.mmPerUnit};
}

bool overlap(const Box& a, const Box& b)
{
    return a.left < b.right - kSlack && b.left < a.right - kSlack && a.top < b.bottom - kSlack &&
           b.top < a.bottom - kSlack;
}

} // namespace

TEST(KeyPlacement, TheKeysTextNeverPrintsBelowSevenPointsHoweverLongTheKey)
{
    const size_t everyKind = keyOfKinds(1000).rowCount();
    ASSERT_GT(everyKind, 100u);
    for (const size_t kinds : {size_t(15), size_t(30), size_t(60), everyKind}) {
        const LegendShapes key = keyOfKinds(kinds);
        for (const KeyOverflow overflow : {KeyOverflow::FurtherPages, KeyOverflow::LargerPicture}) {
            SCOPED_TRACE(std::to_string(kinds) + (overflow == KeyOverflow::FurtherPages ? " kinds, pages" : " kinds, picture"));
            std::string error;
            const std::optional<PageLayout> page = layOutPage(300, 300, PageOptions{}, error, &key, overflow);
            ASSERT_TRUE(page) << error;
            const Box chart = chartBox(*page, 300, 300);
            if (overflow == KeyOverflow::FurtherPages)
                expectWithin(chart, *page, 10);
            else
                expectContentHolds(*page, chart);
            const auto runs = runsOf(*page);
            ASSERT_FALSE(runs.empty());
            // Every row once, in order, from the title to the totals.
            size_t next = 0;
            for (const auto& [run, onPage] : runs) {
                EXPECT_EQ(run.part.firstRow, next);
                EXPECT_GT(run.part.endRow, run.part.firstRow);
                EXPECT_GE(run.mmPerUnit, kKeyLeastMmPerUnit - kSlack);
                next = run.part.endRow;
                const Box box = runBox(run, key);
                if (overflow == KeyOverflow::FurtherPages)
                    expectWithin(box, *page, 10);
                else
                    expectContentHolds(*page, box);
                if (onPage == 0) {
                    EXPECT_FALSE(overlap(box, chart));
                }
            }
            EXPECT_EQ(next, kinds);
            if (overflow == KeyOverflow::LargerPicture) {
                EXPECT_TRUE(page->keyPages.empty());
            }
            // A short key shares the chart's page at a smaller size; the
            // whole catalogue's needs pages of its own, or a picture larger than the page.
            if (kinds == 15) {
                EXPECT_TRUE(page->keyPages.empty());
                EXPECT_LT(page->key->mmPerUnit, kKeyMmPerUnit);
            }
            if (kinds == everyKind && overflow == KeyOverflow::FurtherPages) {
                EXPECT_FALSE(page->keyPages.empty());
            }
            if (kinds == everyKind && overflow == KeyOverflow::LargerPicture) {
                EXPECT_GT(page->contentWidth * page->contentHeight, 190.0 * 277.0);
            }
        }
    }
}

TEST(KeyPlacement, AChartSizedPageSetsALongKeyInColumnsAtItsReadableSize)
{
    const LegendShapes key = keyOfKinds(1000);
    PageOptions options;
    options.paper = PaperSize::Chart;
    std::string error;
    const std::optional<PageLayout> page = layOutPage(600, 600, options, error, &key);
    ASSERT_TRUE(page && page->key) << error;
    EXPECT_DOUBLE_EQ(page->key->mmPerUnit, kKeyMmPerUnit);
    EXPECT_GT(page->key->part.columns, 1u);
    EXPECT_EQ(page->key->part, (KeyPart{0, key.rowCount(), page->key->part.columns}));
    // The page grows by the key, but far less than by a key in one column.
    const double oneColumn = key.height() * kKeyMmPerUnit;
    EXPECT_LT(std::max(page->pageWidth, page->pageHeight), oneColumn / 2);
}

TEST(PageLayout, AFixedScaleAtWhichTheChartIsLargerThanThePageIsRefusedWithOneThatFits)
{
    struct Case {
        PaperSize paper;
        bool landscape;
        int32_t width, height;
        double scale;
        const char* fitting;
    };
    for (const Case& c : {Case{PaperSize::A4, false, 300, 300, 1, "1.58"}, Case{PaperSize::A4, false, 600, 200, 3, "3.16"},
                          Case{PaperSize::Letter, true, 300, 300, 1, "1.54"}, Case{PaperSize::A4, true, 100, 600, 2.5, "3.16"}}) {
        PageOptions options;
        options.paper = c.paper;
        options.landscape = c.landscape;
        options.pixelsPerMm = c.scale;
        std::string error;
        EXPECT_FALSE(layOutPage(c.width, c.height, options, error)) << c.fitting;
        EXPECT_NE(error.find(std::string("--scale ") + c.fitting + " or more"), std::string::npos) << error;
        EXPECT_NE(error.find("--page chart"), std::string::npos) << error;
        options.pixelsPerMm = std::stod(c.fitting);
        const std::optional<PageLayout> page = layOutPage(c.width, c.height, options, error);
        ASSERT_TRUE(page) << error;
        expectWithin(chartBox(*page, c.width, c.height), *page, 10);
    }
}

TEST(KeyPlacement, AChartSizedPageGrowsByTheKeyOnTheSideThatKeepsItSmaller)
{
    std::string error;
    PageOptions options;
    options.paper = PaperSize::Chart;
    options.marginMm = 5;
    const std::optional<PageLayout> page = layOutPage(600, 600, options, error, kKey);
    ASSERT_TRUE(page && page->key) << error;
    const double chart = 600 * kMmPerInch / kScreenDpi;
    // Below: 158.75 x 232.25 mm; beside it would be 245.75 x 158.75 mm.
    EXPECT_TRUE(below(chartBox(*page, 600, 600), keyBox(*page, kKey)));
    EXPECT_NEAR(page->pageWidth, chart + 10, kSlack);
    EXPECT_NEAR(page->pageHeight, chart + kKeyGapMm + 250 * kKeyMmPerUnit + 10, kSlack);
    EXPECT_NEAR(page->contentWidth, chart, kSlack);
    expectWithin(keyBox(*page, kKey), *page, 5);
}

TEST(KeyPlacement, AtAFixedScaleTheKeyTakesTheSideWhereItFits)
{
    std::string error;
    PageOptions options;
    options.pixelsPerMm = 2; // a 300 x 400 chart prints 150 x 200 mm
    const std::optional<PageLayout> page = layOutPage(300, 400, options, error, kKey);
    ASSERT_TRUE(page && page->key) << error;
    EXPECT_DOUBLE_EQ(page->mmPerPixel, 0.5);
    EXPECT_TRUE(below(chartBox(*page, 300, 400), keyBox(*page, kKey)));
    expectWithin(keyBox(*page, kKey), *page, 10);
}

TEST(KeyPlacement, WithoutAKeyTheChartAloneIsLaidOut)
{
    std::string error;
    const std::optional<PageLayout> page = layOutPage(300, 200, PageOptions{}, error);
    ASSERT_TRUE(page) << error;
    EXPECT_FALSE(page->key);
    EXPECT_DOUBLE_EQ(page->mmPerPixel, 190.0 / 300);
    EXPECT_DOUBLE_EQ(page->contentLeft, page->chartLeft);
    EXPECT_DOUBLE_EQ(page->contentTop, page->chartTop);
    EXPECT_DOUBLE_EQ(page->contentWidth, 190);
    EXPECT_NEAR(page->contentHeight, 200 * 190.0 / 300, kSlack);
}
