// Invariants: every writer's file reads back with a reader of its own kind.
// SVG is well-formed XML with the sheet as its viewBox, a title and one group
// per visible element named by its kind, and text as text; a PDF page has
// the paper's size with the chart fitted within its margins and its text
// searchable; a PNG has the printed size's pixels and says its resolution;
// black line work has no colour; a large slip stitch is solid everywhere;
// labels read as whole words; a failed write keeps the old file.

#include "export/BitmapExporter.h"
#include "export/BitmapWriter.h"
#include "export/ChartExport.h"
#include "export/ChartWriters.h"
#include "elements/IdealShapes.h"
#include "elements/TextElement.h"
#include "platform/Font.h"
#include "platform/Utf8.h"
#include "stitches/SlipStitchDot.h"
#include "support/FileSizeLimit.h"
#include "support/InkAgreement.h"
#include "support/RecordingShapes.h"
#include "support/TestCharts.h"

#include "export/PictureFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>

using namespace loopora;
using namespace loopora::test;

namespace {

// A 300 x 200 chart: a double, a chain, a Cyrillic label and a deleted line.
std::unique_ptr<CPattraDoc> smallChart()
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(300, 200);
    CCanvas& canvas = doc->canvas();
    place(canvas, typeids::kDouble, {{60, 150}, {60, 50}}, {2, colours::black, 0});
    place(canvas, typeids::kChain, {{120, 150}, {120, 100}}, {2, rgb(0, 0, 200), 0});
    auto* label = static_cast<CTextElement*>(place(canvas, typeids::kText, {{160, 40}, {290, 80}}));
    label->setText("Ряд <1> & Co");
    place(canvas, typeids::kLine, {{0, 0}, {299, 199}})->setFlags(kDeletedFlags);
    return doc;
}

std::vector<uint8_t> made(CPattraDoc& doc, ExportFormat format, const ExportOptions& options = {})
{
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(renderChartFile(doc, format, options, "Образец", bytes, error)) << error;
    return bytes;
}

size_t visibleElements(const CChartElement& e)
{
    size_t n = 0;
    for (const auto& c : e.children())
        if (c->isVisible())
            n += 1 + visibleElements(*c);
    return n;
}

// "595.276 x 841.89" of pdfinfo's "Page size:" line, in points.
std::pair<double, double> pageSize(const std::filesystem::path& pdf)
{
    const std::string info = commandOutput("pdfinfo " + quoted(pdf)).value_or("");
    const size_t line = info.find("Page size:");
    double width = 0, height = 0;
    if (line == std::string::npos || std::sscanf(info.c_str() + line, "Page size: %lf x %lf pts", &width, &height) != 2)
        return {0, 0};
    return {width, height};
}

// The box of a picture's ink (right and bottom included), or an empty one.
Rect inkBox(const PixelBuffer& p)
{
    Rect box{p.width(), p.height(), -1, -1};
    for (int32_t y = 0; y < p.height(); ++y)
        for (int32_t x = 0; x < p.width(); ++x)
            if (darkness(p.at(x, y)) >= 96)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    return box;
}

constexpr double kPointsPerMm = 72 / 25.4;

} // namespace

TEST(SvgWriter, IsXmlWithTheSheetAsViewBoxAndOneGroupPerVisibleElement)
{
    TempFolder folder;
    auto doc = smallChart();
    writeBytes(folder / "chart.svg", made(*doc, ExportFormat::Svg));
    ASSERT_TRUE(commandOutput("xmllint --noout " + quoted(folder / "chart.svg"))) << "not well-formed XML";
    EXPECT_EQ(xpath(folder / "chart.svg", "string(/*[local-name()='svg']/@viewBox)"), "0 0 300 200");
    EXPECT_EQ(xpath(folder / "chart.svg", "string(//*[local-name()='title'])"), "Образец");
    EXPECT_EQ(xpath(folder / "chart.svg", "count(//*[local-name()='g'])"), std::to_string(visibleElements(doc->canvas())));
    EXPECT_EQ(xpath(folder / "chart.svg", "count(//*[local-name()='g'][@class='double'])"), "1");
    EXPECT_EQ(xpath(folder / "chart.svg", "count(//*[local-name()='g'][@class='double']/*[local-name()='g'][@class='line'])"), "3");
    // The label is text a designer can select and edit, characters and all.
    EXPECT_EQ(xpath(folder / "chart.svg", "string(//*[local-name()='text'])"), "Ряд <1> & Co");
}

TEST(SvgWriter, NamesTheGroupsOfTypesNoToolPlaces)
{
    TempFolder folder;
    auto doc = smallChart();
    CCanvas& canvas = doc->canvas();
    place(canvas, typeids::kLens, {{10, 10}, {40, 40}});
    place(canvas, typeids::kDoubleWithChainTop, {{250, 190}, {250, 120}});
    auto group = createElement(typeids::kGroup);
    group->setCanvas(&canvas);
    canvas.appendChild(std::move(group))->appendChild(test::built(typeids::kLine, {{5, 5}, {20, 5}}, &canvas));
    writeBytes(folder / "kinds.svg", made(*doc, ExportFormat::Svg));
    EXPECT_EQ(xpath(folder / "kinds.svg", "count(//*[local-name()='g'][@class='lens'])"), "1");
    EXPECT_EQ(xpath(folder / "kinds.svg", "count(//*[local-name()='g'][@class='type150'])"), "1");
    EXPECT_EQ(xpath(folder / "kinds.svg", "count(//*[local-name()='g'][@class='group']/*[@class='line'])"), "1");
}

TEST(SvgWriter, KeepsTheGridAndLeavesItOutOfBlackLineWork)
{
    TempFolder folder;
    auto doc = smallChart();
    doc->canvas().setBackgroundKind(int32_t(Background::Grid));
    writeBytes(folder / "grid.svg", made(*doc, ExportFormat::Svg));
    EXPECT_EQ(xpath(folder / "grid.svg", "count(//*[local-name()='g'][@class='background']/*)"), std::to_string(11 + 7)); // every 30 pixels, both edges included
    ExportOptions black;
    black.blackLines = true;
    writeBytes(folder / "black.svg", made(*doc, ExportFormat::Svg, black));
    EXPECT_EQ(xpath(folder / "black.svg", "count(//*[local-name()='g'][@class='background'])"), "0");
    const std::string svg = readText(folder / "black.svg");
    EXPECT_EQ(svg.find("#0000c8"), std::string::npos); // the blue chain is black now
    EXPECT_NE(svg.find("stroke=\"#000000\""), std::string::npos);
}

TEST(SvgWriter, CharactersXmlCannotHoldStayInTheirPlaces)
{
    TempFolder folder;
    auto doc = smallChart();
    static_cast<CTextElement*>(doc->canvas().child(2))->setText(std::string("a\x01") + "b\x7f\xfe");
    writeBytes(folder / "odd.svg", made(*doc, ExportFormat::Svg));
    ASSERT_TRUE(commandOutput("xmllint --noout " + quoted(folder / "odd.svg")));
    EXPECT_EQ(xpath(folder / "odd.svg", "count(//*[local-name()='text']/*[local-name()='tspan'])"), "5");
}

TEST(PdfWriter, PutsTheChartOnThePaperWithinItsMarginsAndKeepsItsText)
{
    TempFolder folder;
    auto doc = smallChart();
    writeBytes(folder / "a4.pdf", made(*doc, ExportFormat::Pdf));
    const auto [w, h] = pageSize(folder / "a4.pdf");
    EXPECT_NEAR(w, 210 * kPointsPerMm, 0.5);
    EXPECT_NEAR(h, 297 * kPointsPerMm, 0.5);
    // Text is text: searchable, Cyrillic included.
    const std::string text = commandOutput("pdftotext " + quoted(folder / "a4.pdf") + " -").value_or("");
    EXPECT_NE(text.find("Ряд <1> & Co"), std::string::npos) << text;

    // Fitted into 190 mm: the 300 chart pixels take the width, centred on
    // the page; the ink lies where the bitmap's does, at 4 pixels a millimetre.
    const Rect ink = inkBox(rasterisePdf(folder / "a4.pdf", 210 * 4, 297 * 4));
    const Rect chartInk = inkBox(renderSheet(*doc));
    const double mmPerPixel = 190.0 / 300;
    const double top = (297 - 200 * mmPerPixel) / 2;
    EXPECT_NEAR(ink.left / 4.0, 10 + chartInk.left * mmPerPixel, 1.0);
    EXPECT_NEAR(ink.right / 4.0, 10 + chartInk.right * mmPerPixel, 1.0);
    EXPECT_NEAR(ink.top / 4.0, top + chartInk.top * mmPerPixel, 1.0);
    EXPECT_NEAR(ink.bottom / 4.0, top + chartInk.bottom * mmPerPixel, 1.0);
}

TEST(PdfWriter, TakesLetterLandscapeAChartSizedPageAndAScale)
{
    TempFolder folder;
    auto doc = smallChart();
    ExportOptions options;
    options.page.paper = PaperSize::Letter;
    options.page.landscape = true;
    writeBytes(folder / "letter.pdf", made(*doc, ExportFormat::Pdf, options));
    auto [w, h] = pageSize(folder / "letter.pdf");
    EXPECT_NEAR(w, 792, 0.5);
    EXPECT_NEAR(h, 612, 0.5);

    options.page = {PaperSize::Chart, false, 5.0, 2.0}; // 2 chart pixels a millimetre
    writeBytes(folder / "chart.pdf", made(*doc, ExportFormat::Pdf, options));
    std::tie(w, h) = pageSize(folder / "chart.pdf");
    EXPECT_NEAR(w, (150 + 10) * kPointsPerMm, 0.5);
    EXPECT_NEAR(h, (100 + 10) * kPointsPerMm, 0.5);
}

TEST(PdfWriter, LabelsReadAsWholeWordsAndKeepTheirWidthOnTheScreen)
{
    TempFolder folder;
    const std::vector<std::string> labels = {"Мотив", "Ряд 1: 12 ссн в кольцо", "Chain loops", "Пышный столбик"};
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(400, 300);
    for (size_t i = 0; i < labels.size(); ++i) {
        const int32_t top = 10 + int32_t(i) * 40;
        static_cast<CTextElement*>(place(doc->canvas(), typeids::kText, {{10, top}, {390, top + 30}}))->setText(labels[i]);
    }
    writeBytes(folder / "labels.pdf", made(*doc, ExportFormat::Pdf));
    const std::string text = commandOutput("pdftotext " + quoted(folder / "labels.pdf") + " -").value_or("");
    for (const std::string& label : labels)
        EXPECT_NE(text.find(label), std::string::npos) << label << " in " << text;

    // Each line spans what it spans on the screen, its glyphs spaced in the
    // font's own proportions.
    RecordingShapes shapes;
    describeElement(doc->canvas(), shapes);
    Font* font = Font::shared();
    ASSERT_TRUE(font);
    size_t lines = 0;
    for (const RecordedShape& s : shapes.shapes) {
        if (s.kind != RecordedShape::Kind::Text)
            continue;
        const ShapeText::Line& line = s.text.lines[0];
        const std::u32string characters = decodeUtf8(line.utf8);
        double screen = 0, natural = 0;
        for (char32_t c : characters) {
            screen += font->glyph(c).advance;
            natural += font->glyph(c).naturalAdvance;
        }
        EXPECT_DOUBLE_EQ(line.width, screen) << line.utf8;
        double at = 0;
        for (size_t i = 0; i < characters.size(); ++i) {
            EXPECT_NEAR(line.offsets[i], at * screen / natural, 1e-9) << line.utf8;
            at += font->glyph(characters[i]).naturalAdvance;
        }
        ++lines;
    }
    EXPECT_EQ(lines, labels.size());
}

TEST(PdfWriter, RefusesMarginsThatLeaveNoRoom)
{
    auto doc = smallChart();
    ExportOptions options;
    options.page.marginMm = 105;
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(renderChartFile(*doc, ExportFormat::Pdf, options, "", bytes, error));
    EXPECT_NE(error.find("margins"), std::string::npos) << error;
}

TEST(PngWriter, HasThePrintedSizesPixelsAndSaysItsResolution)
{
    TempFolder folder;
    auto doc = smallChart();
    ExportOptions options; // A4, fitted into 190 mm: 7.48 inches
    options.dpi = 300;
    std::vector<uint8_t> png = made(*doc, ExportFormat::Png, options);
    writeBytes(folder / "300.png", png);
    PixelBuffer picture = readPng(folder / "300.png");
    EXPECT_EQ(picture.width(), 2244);
    EXPECT_EQ(picture.height(), 1496);
    EXPECT_EQ(pngPixelsPerMetre(png), (std::pair<uint32_t, uint32_t>{11811, 11811})); // 300 dpi
    EXPECT_EQ(picture.at(0, 0), pixelOf(colours::white));

    // A width in pixels decides the resolution of the same printed size.
    options.pixelWidth = 748;
    png = made(*doc, ExportFormat::Png, options);
    writeBytes(folder / "wide.png", png);
    picture = readPng(folder / "wide.png");
    EXPECT_EQ(picture.width(), 748);
    EXPECT_EQ(picture.height(), 499);
    EXPECT_EQ(pngPixelsPerMetre(png), (std::pair<uint32_t, uint32_t>{3937, 3937})); // 100 dpi
}

TEST(PngWriter, BlackLineWorkHasNoColour)
{
    TempFolder folder;
    auto doc = smallChart();
    ExportOptions options;
    options.page.paper = PaperSize::Chart;
    options.dpi = 192;
    options.blackLines = true;
    writeBytes(folder / "black.png", made(*doc, ExportFormat::Png, options));
    const PixelBuffer picture = readPng(folder / "black.png");
    ASSERT_EQ(picture.width(), 600);
    size_t inked = 0;
    for (Pixel p : picture.pixels()) {
        ASSERT_EQ(p & 0xFF, (p >> 8) & 0xFF);
        ASSERT_EQ(p & 0xFF, (p >> 16) & 0xFF);
        inked += darkness(p) > 200;
    }
    EXPECT_GT(inked, 1000u);
}

TEST(PngWriter, RefusesPicturesTooLargeToMake)
{
    auto doc = smallChart();
    ExportOptions options;
    options.dpi = 9600;
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(renderChartFile(*doc, ExportFormat::Png, options, "", bytes, error));
    EXPECT_NE(error.find("pixels"), std::string::npos) << error;
    options.dpi = 0;
    EXPECT_FALSE(renderChartFile(*doc, ExportFormat::Png, options, "", bytes, error));
}

// A slip stitch as large as a sheet is a solid disc in every format: no
// gaps between the ovals the screen would fill it with.
TEST(Writers, ALargeSlipStitchIsASolidDiscInEveryFormat)
{
    TempFolder folder;
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(400, 400);
    place(doc->canvas(), typeids::kSlipStitch, {{200, 20}, {200, 380}}, {2, colours::black, 0});
    ExportOptions options;
    options.page.paper = PaperSize::Chart;
    options.dpi = 96;
    writeBytes(folder / "dot.pdf", made(*doc, ExportFormat::Pdf, options));
    writeBytes(folder / "dot.svg", made(*doc, ExportFormat::Svg, options));
    writeBytes(folder / "dot.png", made(*doc, ExportFormat::Png, options));
    const std::pair<const char*, PixelBuffer> pictures[] = {{"PDF", rasterisePdf(folder / "dot.pdf", 400, 400)},
                                                           {"SVG", rasteriseSvg(folder / "dot.svg")},
                                                           {"PNG", readPng(folder / "dot.png")}};
    for (const auto& [format, picture] : pictures) {
        ASSERT_EQ(picture.width(), 400) << format;
        // Inside the oval (180 along, 90 across, about (200.5, 200.5)) less a pixel, all black.
        size_t holes = 0;
        for (int32_t y = 0; y < 400; ++y)
            for (int32_t x = 0; x < 400; ++x) {
                const double u = (x + 0.5 - 200.5) / 89.0;
                const double v = (y + 0.5 - 200.5) / 179.0;
                if (u * u + v * v <= 1 && darkness(picture.at(x, y)) < 250)
                    ++holes;
            }
        EXPECT_EQ(holes, 0u) << format;
    }
}

TEST(ChartExport, WritesTheBitmapAsRenderingDoesAndLeavesNoFileWhenItFails)
{
    TempFolder folder;
    auto doc = smallChart();
    std::string error;
    ASSERT_TRUE(exportChartFile(*doc, folder / "chart.bmp", ExportFormat::Bmp, {}, error)) << error;
    const std::vector<uint8_t> rendered = encodeBitmap(renderSheet(*doc));
    EXPECT_EQ(readText(folder / "chart.bmp"), std::string(rendered.begin(), rendered.end()));

    // An impossible export leaves the file that was there as it was, and nothing beside it.
    writeBytes(folder / "kept.png", {1, 2, 3});
    ExportOptions options;
    options.dpi = 0;
    EXPECT_FALSE(exportChartFile(*doc, folder / "kept.png", ExportFormat::Png, options, error));
    EXPECT_EQ(readText(folder / "kept.png"), "\x01\x02\x03");
    EXPECT_FALSE(exportChartFile(*doc, folder / "missing" / "chart.pdf", ExportFormat::Pdf, {}, error));
    EXPECT_NE(error.find("chart.pdf"), std::string::npos) << error;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

// A disk that fills while a file is written keeps the file that was there,
// says so, and nothing half-written lies beside it: whichever writes it,
// the exports in every format, the bitmap the command line renders and the
// bitmap the editor (and a script) saves.
TEST(ChartExport, AFullDiskKeepsTheOldFileAndLeavesNothingBeside)
{
    TempFolder folder;
    auto doc = smallChart();
    using Write = std::function<bool(CPattraDoc&, const std::filesystem::path&, std::string&)>;
    std::vector<std::pair<std::string, Write>> writers;
    for (ExportFormat format : {ExportFormat::Pdf, ExportFormat::Svg, ExportFormat::Png, ExportFormat::Bmp})
        writers.push_back({"export " + std::to_string(int(format)), [format](auto& d, const auto& path, auto& error) {
                               return exportChartFile(d, path, format, {}, error);
                           }});
    writers.push_back({"render", [](auto& d, const auto& path, auto& error) {
                           return writeBitmapFile(renderSheet(d), path, error);
                       }});
    writers.push_back({"editor", [](auto& d, const auto& path, auto& error) {
                           BitmapExporter exporter;
                           return exporter.exportChart(d, path.string(), error) == ExportOutcome::Written;
                       }});
    for (const auto& [name, write] : writers) {
        const std::filesystem::path path = folder / "chart.out";
        writeBytes(path, {7, 7, 7});
        std::string error;
        {
            FileSizeLimit limit(64);
            EXPECT_FALSE(write(*doc, path, error)) << name;
        }
        EXPECT_NE(error.find(path.string() + " was left as it was"), std::string::npos) << name << ": " << error;
        EXPECT_EQ(readText(path), "\x07\x07\x07") << name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << name;
    }
}

TEST(ChartExport, KnowsTheFormatByTheExtensionInAnyCase)
{
    EXPECT_EQ(formatOfFileName("a/b.PDF"), ExportFormat::Pdf);
    EXPECT_EQ(formatOfFileName("b.svg"), ExportFormat::Svg);
    EXPECT_EQ(formatOfFileName("b.Png"), ExportFormat::Png);
    EXPECT_EQ(formatOfFileName("b.bmp"), ExportFormat::Bmp);
    EXPECT_EQ(formatOfFileName("b.jpg"), std::nullopt);
    EXPECT_EQ(formatOfFileName("b.pdf/c"), std::nullopt);
    EXPECT_EQ(formatOfFileName("pdf"), std::nullopt);
}
