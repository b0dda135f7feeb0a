// Invariants: the ideal shapes are the shapes the screen shows. For a chart
// with one of everything that draws, every inked pixel of the bitmap has ink
// within 2 pixels in the PDF, the SVG and the PNG drawn at the chart's own
// size, and the other way round: no stroke is missing and none is extra.
//
// The catalogue turned by dragging at a slant, by the rotate tool, by
// mirroring and by stretching agrees within 3 pixels. The screen plots a
// turned oval or lens from an integer walk laid onto the slant and rounded,
// so its pixels stray up to a pixel further from the curve and its ends stop
// short; and the nested ovals of a turned white dot leave holes where the
// strokes beneath show through, which the ideal dot covers.

#include "elements/IdealShapes.h"
#include "export/BitmapWriter.h"
#include "export/ChartExport.h"
#include "support/EveryShapeChart.h"
#include "support/InkAgreement.h"
#include "support/RecordingShapes.h"

#include "export/PictureFiles.h"

#include <gtest/gtest.h>

#include <cmath>

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

struct AgreementChart {
    const char* name;
    std::unique_ptr<CPattraDoc> (*build)();
    int radius;              // how near, in pixels, each picture's ink has the other's
    bool whiteDotsHaveHoles; // the bitmap's ink under a white dot shows through holes
};

// The bitmap with white wherever an ideal white dot lies: what the screen
// would show if its dots had no holes.
PixelBuffer withWhiteDotsFilled(PixelBuffer bitmap, const CPattraDoc& doc)
{
    RecordingShapes shapes;
    describeElement(doc.canvas(), shapes);
    for (const RecordedShape& s : shapes.shapes) {
        if (s.kind != RecordedShape::Kind::FilledEllipse || s.fill != colours::white)
            continue;
        const ShapeEllipse& e = s.ellipse;
        for (int32_t y = 0; y < bitmap.height(); ++y)
            for (int32_t x = 0; x < bitmap.width(); ++x) {
                const double dx = x + 0.5 - e.centre.x;
                const double dy = y + 0.5 - e.centre.y;
                const double u = (dx * std::cos(e.angle) + dy * std::sin(e.angle)) / e.along;
                const double v = (dy * std::cos(e.angle) - dx * std::sin(e.angle)) / e.across;
                if (u * u + v * v <= 1)
                    bitmap.at(x, y) = pixelOf(colours::white);
            }
    }
    return bitmap;
}

class Agreement : public testing::TestWithParam<AgreementChart> {
protected:
    void SetUp() override
    {
        doc_ = GetParam().build();
        // What lies off the sheet would agree by being in neither picture:
        // every element stands on it, if some reach beyond its edges.
        const Rect sheet{0, 0, doc_->chartWidth(), doc_->chartHeight()};
        for (const auto& e : doc_->canvas().children())
            ASSERT_TRUE(sheet.contains(e->boundsCentre())) << typeName(e->typeId());
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
        const int radius = GetParam().radius;
        const InkAgreement ink = compareInk(bitmap_, vector, radius);
        const std::vector<Point> missing = GetParam().whiteDotsHaveHoles
                                               ? inkWithoutCounterpart(withWhiteDotsFilled(bitmap_, *doc_), 1, vector,
                                                                       kVectorInk, radius)
                                               : ink.missing;
        EXPECT_TRUE(missing.empty()) << "bitmap ink with none near it: " << describePoints(missing);
        EXPECT_TRUE(ink.extra.empty()) << "ink the bitmap lacks: " << describePoints(ink.extra);
    }

    TempFolder folder_;
    std::unique_ptr<CPattraDoc> doc_;
    PixelBuffer bitmap_;
};

} // namespace

TEST_P(Agreement, PdfHasTheBitmapsStrokesAndNoOthers)
{
    expectAgreement(rasterisePdf(written(ExportFormat::Pdf, "chart.pdf"), kEveryShapeWidth, kEveryShapeHeight));
}

TEST_P(Agreement, SvgHasTheBitmapsStrokesAndNoOthers)
{
    expectAgreement(rasteriseSvg(written(ExportFormat::Svg, "chart.svg")));
}

TEST_P(Agreement, PngAtScreenResolutionHasTheBitmapsStrokesAndNoOthers)
{
    expectAgreement(readPng(written(ExportFormat::Png, "chart.png")));
}

INSTANTIATE_TEST_SUITE_P(Charts, Agreement,
                         testing::Values(AgreementChart{"OneOfEverything", &everyShapeChart, 2, false},
                                         AgreementChart{"EverySymbolTurned", &everySymbolTurnedChart, 3, true}),
                         [](const testing::TestParamInfo<AgreementChart>& info) { return info.param.name; });
