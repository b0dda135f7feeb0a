// Invariants: the ideal shapes are the shapes the screen shows. For a chart
// with one of everything that draws, every inked pixel of the bitmap has ink
// within 2 pixels in the PDF, the SVG and the PNG drawn at the chart's own
// size, and the other way round: no stroke is missing and none is extra.

#include "export/BitmapWriter.h"
#include "export/ChartExport.h"
#include "support/EveryShapeChart.h"
#include "support/InkAgreement.h"

#include "export/PictureFiles.h"

#include <gtest/gtest.h>

using namespace loopora;
using namespace loopora::test;

namespace {

ExportOptions atChartSize()
{
    ExportOptions options;
    options.page.paper = PaperSize::Chart;
    options.dpi = int32_t(kScreenDpi);
    return options;
}

class Agreement : public testing::Test {
protected:
    void SetUp() override
    {
        doc_ = everyShapeChart();
        bitmap_ = renderSheet(*doc_);
        writeBytes(folder_ / "chart.bmp", encodeBitmap(bitmap_));
    }

    std::filesystem::path written(ExportFormat format, const std::string& name)
    {
        std::vector<uint8_t> bytes;
        std::string error;
        EXPECT_TRUE(renderChartFile(*doc_, format, atChartSize(), "agreement", bytes, error)) << error;
        writeBytes(folder_ / name, bytes);
        return folder_ / name;
    }

    void expectAgreement(const PixelBuffer& vector)
    {
        ASSERT_EQ(vector.width(), bitmap_.width());
        ASSERT_EQ(vector.height(), bitmap_.height());
        const InkAgreement ink = compareInk(bitmap_, vector);
        EXPECT_TRUE(ink.missing.empty()) << "bitmap ink with none near it: " << describePoints(ink.missing);
        EXPECT_TRUE(ink.extra.empty()) << "ink the bitmap lacks: " << describePoints(ink.extra);
    }

    TempFolder folder_;
    std::unique_ptr<CPattraDoc> doc_;
    PixelBuffer bitmap_;
};

} // namespace

TEST_F(Agreement, PdfHasTheBitmapsStrokesAndNoOthers)
{
    expectAgreement(rasterisePdf(written(ExportFormat::Pdf, "chart.pdf"), kEveryShapeWidth, kEveryShapeHeight));
}

TEST_F(Agreement, SvgHasTheBitmapsStrokesAndNoOthers)
{
    expectAgreement(rasteriseSvg(written(ExportFormat::Svg, "chart.svg")));
}

TEST_F(Agreement, PngAtScreenResolutionHasTheBitmapsStrokesAndNoOthers)
{
    expectAgreement(readPng(written(ExportFormat::Png, "chart.png")));
}
