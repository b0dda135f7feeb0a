// Invariants of placing a chart's key on the page: it stands beside the
// chart or below it, whichever prints the chart larger (on a page the size of
// the chart, whichever makes the smaller page; at a fixed scale, whichever
// fits); chart and key never overlap and stay within the margins when they
// can; the key keeps its readable size unless the page is too small for it;
// without a key the chart alone is laid out as before.

#include "export/ExportOptions.h"

#include <gtest/gtest.h>

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

TEST(KeyPlacement, AKeyTooLongForThePageShrinksToFitIt)
{
    std::string error;
    const KeySize longKey{300, 2000};
    const std::optional<PageLayout> page = layOutPage(300, 300, PageOptions{}, error, longKey);
    ASSERT_TRUE(page && page->key) << error;
    EXPECT_LT(page->key->mmPerUnit, kKeyMmPerUnit);
    EXPECT_TRUE(beside(chartBox(*page, 300, 300), keyBox(*page, longKey)));
    expectWithin(keyBox(*page, longKey), *page, 10);
    expectWithin(chartBox(*page, 300, 300), *page, 10);
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
