// Invariants of exporting the drawing alone and without the background:
// cropped, the page (PDF) or the picture (PNG, SVG) is the drawn elements'
// box with the margin round it, the whole drawing inside and nothing of the
// rest of the sheet; a chart with nothing drawn is refused; without the
// background the sheet's pattern is left out and the lines keep their
// colours; the bitmap always shows the whole sheet as the screen does.

#include "export/BitmapWriter.h"
#include "export/ChartExport.h"
#include "export/ChartShapes.h"
#include "support/InkAgreement.h"
#include "support/TestCharts.h"

#include "export/PictureFiles.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace loopora;
using namespace loopora::test;

namespace {

const Colour kRed = rgb(200, 0, 0);

// A 600 x 600 sheet of circles with a small red motif off its centre.
std::unique_ptr<CPattraDoc> smallMotif()
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(600, 600);
    doc->canvas().setBackgroundKind(int32_t(Background::Circles));
    doc->canvas().setLineSpacing(30);
    place(doc->canvas(), typeids::kDouble, {{400, 200}, {400, 120}}, {2, kRed, 0});
    place(doc->canvas(), typeids::kChain, {{360, 200}, {440, 200}}, {2, kRed, 0});
    return doc;
}

std::vector<uint8_t> made(CPattraDoc& doc, ExportFormat format, const ExportOptions& options, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!renderChartFile(doc, format, options, "Мотив", bytes, error))
        bytes.clear();
    return bytes;
}

ExportOptions cropped(double marginMm)
{
    ExportOptions options;
    options.crop = true;
    options.page.marginMm = marginMm;
    options.dpi = int32_t(kScreenDpi);
    return options;
}

// The background's guides are grey, lighter or darker where they are smoothed.
bool isGuideGrey(Pixel p)
{
    const uint8_t r = uint8_t(p >> 16), g = uint8_t(p >> 8), b = uint8_t(p);
    return r == g && g == b && r < 245;
}

size_t count(const PixelBuffer& picture, bool (*test)(Pixel))
{
    size_t n = 0;
    for (int32_t y = 0; y < picture.height(); ++y)
        for (int32_t x = 0; x < picture.width(); ++x)
            n += test(picture.at(x, y));
    return n;
}

bool isReddish(Pixel p) { return (p >> 16 & 0xFF) > 150 && (p & 0xFF) < 100 && (p >> 8 & 0xFF) < 100; }

} // namespace

TEST(CroppedExport, TheDrawingsAreaIsTheBoxRoundWhatTheElementsDraw)
{
    auto doc = smallMotif();
    const std::optional<SheetArea> area = drawingAreaOf(*doc);
    ASSERT_TRUE(area);
    // The bitmap's ink of the motif, as the area cuts it out of the sheet.
    const PixelBuffer sheet = renderSheet(*doc);
    const Point corner{doc->canvas().origin().x - area->origin.x, doc->canvas().origin().y - area->origin.y};
    int32_t inside = 0, outside = 0;
    for (int32_t y = 0; y < sheet.height(); ++y)
        for (int32_t x = 0; x < sheet.width(); ++x) {
            if (!isReddish(sheet.at(x, y)))
                continue;
            const bool in = x >= corner.x - 1 && x <= corner.x + area->width && y >= corner.y - 1 &&
                            y <= corner.y + area->height;
            (in ? inside : outside) += 1;
        }
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
    // Tight round the strokes: within two pixels of the bitmap's ink.
    Rect ink{sheet.width(), sheet.height(), -1, -1};
    for (int32_t y = 0; y < sheet.height(); ++y)
        for (int32_t x = 0; x < sheet.width(); ++x)
            if (isReddish(sheet.at(x, y)))
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x), std::max(ink.bottom, y)};
    EXPECT_LE(ink.left - corner.x, 2);
    EXPECT_LE(ink.top - corner.y, 2);
    EXPECT_LE(corner.x + area->width - 1 - ink.right, 2);
    EXPECT_LE(corner.y + area->height - 1 - ink.bottom, 2);

    CPattraDoc empty;
    empty.setChartSize(300, 300);
    EXPECT_FALSE(drawingAreaOf(empty));
    std::string error;
    for (ExportFormat format : {ExportFormat::Pdf, ExportFormat::Svg, ExportFormat::Png}) {
        EXPECT_TRUE(made(empty, format, cropped(5), error).empty());
        EXPECT_NE(error.find("nothing is drawn"), std::string::npos) << error;
    }
}

TEST(CroppedExport, ThePageOrPictureIsTheDrawingWithTheMarginRoundIt)
{
    TempFolder folder;
    auto doc = smallMotif();
    const SheetArea area = *drawingAreaOf(*doc);
    const double mmPerPixel = kMmPerInch / kScreenDpi;
    for (const double margin : {0.0, 5.0, 10.0}) {
        SCOPED_TRACE(margin);
        const double marginPixels = margin / mmPerPixel;
        std::string error;
        writeBytes(folder / "motif.pdf", made(*doc, ExportFormat::Pdf, cropped(margin), error));
        const std::string info = commandOutput("pdfinfo " + quoted(folder / "motif.pdf")).value_or("");
        double width = 0, height = 0;
        ASSERT_EQ(std::sscanf(info.c_str() + info.find("Page size:"), "Page size: %lf x %lf", &width, &height), 2) << error;
        EXPECT_NEAR(width, (area.width * mmPerPixel + 2 * margin) * 72 / kMmPerInch, 0.01);
        EXPECT_NEAR(height, (area.height * mmPerPixel + 2 * margin) * 72 / kMmPerInch, 0.01);

        writeBytes(folder / "motif.svg", made(*doc, ExportFormat::Svg, cropped(margin), error));
        EXPECT_NEAR(std::stod(xpath(folder / "motif.svg", "string(/*/@width)")), area.width + 2 * marginPixels, 1);
        EXPECT_NEAR(std::stod(xpath(folder / "motif.svg", "string(/*/@height)")), area.height + 2 * marginPixels, 1);

        // At the screen's resolution the picture is the drawing's pixels with
        // the margin's round them, the motif's ink in the middle.
        writeBytes(folder / "motif.png", made(*doc, ExportFormat::Png, cropped(margin), error));
        for (const PixelBuffer& picture : {readPng(folder / "motif.png"), rasteriseSvg(folder / "motif.svg")}) {
            EXPECT_NEAR(picture.width(), area.width + 2 * marginPixels, 1);
            EXPECT_NEAR(picture.height(), area.height + 2 * marginPixels, 1);
            Rect ink{picture.width(), picture.height(), -1, -1};
            for (int32_t y = 0; y < picture.height(); ++y)
                for (int32_t x = 0; x < picture.width(); ++x)
                    if (isReddish(picture.at(x, y)))
                        ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x), std::max(ink.bottom, y)};
            EXPECT_NEAR(ink.left, marginPixels, 2);
            EXPECT_NEAR(ink.top, marginPixels, 2);
            EXPECT_NEAR(picture.width() - 1 - ink.right, marginPixels, 2);
            EXPECT_NEAR(picture.height() - 1 - ink.bottom, marginPixels, 2);
        }
    }
}

TEST(BackgroundlessExport, LeavesOutThePatternAndKeepsTheLinesColours)
{
    TempFolder folder;
    auto doc = smallMotif();
    for (const bool background : {true, false}) {
        ExportOptions options;
        options.page.paper = PaperSize::Chart;
        options.dpi = int32_t(kScreenDpi);
        options.background = background;
        std::string error;
        writeBytes(folder / "chart.png", made(*doc, ExportFormat::Png, options, error));
        writeBytes(folder / "chart.svg", made(*doc, ExportFormat::Svg, options, error));
        writeBytes(folder / "chart.pdf", made(*doc, ExportFormat::Pdf, options, error));
        for (const PixelBuffer& picture : {readPng(folder / "chart.png"), rasteriseSvg(folder / "chart.svg"),
                                           rasterisePdf(folder / "chart.pdf", 600, 600)}) {
            ASSERT_EQ(picture.width(), 600) << error;
            EXPECT_EQ(count(picture, isGuideGrey) > 1000, background);
            EXPECT_GT(count(picture, isReddish), 100u);
        }
        EXPECT_EQ(xpath(folder / "chart.svg", "count(//*[local-name()='g'][@class='background'])"), background ? "1" : "0");
    }
}
