// Invariants of the exported key: it lists every symbol type on the sheet,
// deleted ones left out, with the symbol drawn in a box of its own, its
// abbreviation, name and count in the language asked for, then the totals,
// all inside the key's frame, under the title pattern books give it; PDF,
// SVG and PNG draw the same key beside or below the chart, where a reader of
// the file finds its words; a run of its rows set in columns has each row
// once, under heads of its own; a key too long for the page goes on to
// further pages of a PDF, and makes a PNG larger, its text never below 7
// points; without the option no key is drawn.

#include "document/StitchCounts.h"
#include "document/TypeTable.h"
#include "export/ChartExport.h"
#include "export/LegendShapes.h"
#include "support/RecordingShapes.h"
#include "support/TestCharts.h"

#include "export/PictureFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace loopora;
using namespace loopora::test;

namespace {

// A 300 x 200 chart: two doubles, a chain, a three-double fan and a deleted treble.
std::unique_ptr<CPattraDoc> roundChart()
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(300, 200);
    CCanvas& canvas = doc->canvas();
    place(canvas, typeids::kDouble, {{60, 150}, {60, 60}}, {2, colours::black, 0});
    place(canvas, typeids::kDouble, {{90, 150}, {90, 60}}, {2, colours::black, 0});
    place(canvas, typeids::kChain, {{120, 150}, {150, 150}}, {2, colours::black, 0});
    place(canvas, typeIdOfName("double1to3"), {{200, 150}, {200, 60}}, {2, colours::black, 0});
    place(canvas, typeids::kTreble, {{250, 150}, {250, 60}})->setFlags(kDeletedFlags);
    return doc;
}

RecordingShapes keyShapes(const CPattraDoc& doc, Language language, LegendShapes* out = nullptr)
{
    const LegendShapes key(makeLegend(countStitches(doc.canvas()), nullptr), language);
    RecordingShapes shapes;
    key.describe(shapes);
    if (out)
        *out = key;
    return shapes;
}

std::vector<std::string> textsOf(const RecordingShapes& shapes)
{
    std::vector<std::string> texts;
    for (const RecordedShape& s : shapes.shapes)
        if (s.kind == RecordedShape::Kind::Text)
            for (const ShapeText::Line& line : s.text.lines)
                texts.push_back(line.utf8);
    return texts;
}

// Runs of white space as one space: readers of files lay words out their own way.
std::string words(const std::string& text)
{
    std::string out;
    for (char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\t' || c == '\f';
        if (!space)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

std::vector<uint8_t> exported(CPattraDoc& doc, ExportFormat format, ExportOptions options)
{
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(renderChartFile(doc, format, options, "Круг", bytes, error)) << error;
    return bytes;
}

ExportOptions withKey(Language language = Language::Russian)
{
    ExportOptions options;
    options.legend = true;
    options.legendLanguage = language;
    return options;
}

} // namespace

TEST(LegendShapes, ListsEachTypeWithItsSymbolNamesAndCountThenTheTotals)
{
    auto doc = roundChart();
    LegendShapes key(Legend{}, Language::Russian);
    const RecordingShapes shapes = keyShapes(*doc, Language::Russian, &key);
    EXPECT_EQ(textsOf(shapes), (std::vector<std::string>{"Условные обозначения", "Сокр.", "Название", "На схеме", "в. п.",
                                                          "воздушная петля", "1", "ссн", "столбик с накидом", "2",
                                                          "3 ссн в 1 п.", "3 ссн из одной петли", "1", "Символов: 4",
                                                          "Провязано в петли: 3", "Получено петель: 6"}));
    // One symbol a row, in the order of the rows.
    const int32_t end = RecordingShapes::kEnd;
    std::vector<int32_t> symbols;
    int depth = 0;
    for (int32_t e : shapes.elements) {
        if (e != end && depth++ == 0)
            symbols.push_back(e);
        depth -= e == end;
    }
    EXPECT_EQ(symbols, (std::vector<int32_t>{typeids::kChain, typeids::kDouble, typeIdOfName("double1to3")}));

    double abbreviationsLeft = key.width();
    std::vector<double> countsRight;
    for (const RecordedShape& s : shapes.shapes) {
        if (s.kind == RecordedShape::Kind::Text) {
            const double right = s.text.left + s.text.lines[0].width;
            EXPECT_GE(s.text.left, 0);
            EXPECT_LE(right, key.width());
            EXPECT_LE(s.text.top + s.text.cellHeight, key.height());
            const std::string& text = s.text.lines[0].utf8;
            if (text == "в. п." || text == "ссн")
                abbreviationsLeft = std::min(abbreviationsLeft, s.text.left);
            if (text == "1" || text == "2")
                countsRight.push_back(right);
        }
        if (s.kind == RecordedShape::Kind::Line && s.element != end) {
            // A symbol's strokes stay in its box, left of the abbreviations.
            for (const ShapePoint p : {s.a, s.b}) {
                EXPECT_GT(p.x, 0);
                EXPECT_LT(p.x, abbreviationsLeft == key.width() ? key.width() : abbreviationsLeft);
                EXPECT_GT(p.y, 0);
                EXPECT_LT(p.y, key.height());
            }
        }
    }
    // The counts stand right-aligned in their column.
    ASSERT_EQ(countsRight.size(), 3u);
    EXPECT_DOUBLE_EQ(countsRight[0], countsRight[1]);
    EXPECT_DOUBLE_EQ(countsRight[1], countsRight[2]);
}

TEST(LegendShapes, SpeaksEnglishWhenAsked)
{
    auto doc = roundChart();
    const std::vector<std::string> texts = textsOf(keyShapes(*doc, Language::English));
    for (const char* expected : {"Legend", "ch", "chain", "dc", "double crochet", "3-dc shell", "Symbols: 4",
                                 "Worked into: 3", "Makes: 6"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
}

TEST(LegendExport, ThePdfKeyIsTextAReaderFinds)
{
    TempFolder folder;
    auto doc = roundChart();
    writeBytes(folder / "ru.pdf", exported(*doc, ExportFormat::Pdf, withKey()));
    const std::string russian = words(commandOutput("pdftotext -layout " + quoted(folder / "ru.pdf") + " -").value_or(""));
    for (const char* expected : {"Условные обозначения", "в. п. воздушная петля 1", "ссн столбик с накидом 2",
                                 "3 ссн в 1 п. 3 ссн из одной петли 1", "Символов: 4", "Получено петель: 6"})
        EXPECT_NE(russian.find(expected), std::string::npos) << expected << " in " << russian;

    writeBytes(folder / "en.pdf", exported(*doc, ExportFormat::Pdf, withKey(Language::English)));
    const std::string english = words(commandOutput("pdftotext -layout " + quoted(folder / "en.pdf") + " -").value_or(""));
    EXPECT_NE(english.find("dc double crochet 2"), std::string::npos) << english;

    writeBytes(folder / "none.pdf", exported(*doc, ExportFormat::Pdf, ExportOptions{}));
    const std::string none = commandOutput("pdftotext " + quoted(folder / "none.pdf") + " -").value_or("<failed>");
    EXPECT_EQ(none.find("Условные обозначения"), std::string::npos) << none;
}

TEST(LegendExport, TheSvgKeyIsAGroupOfSymbolsAndText)
{
    TempFolder folder;
    auto doc = roundChart();
    writeBytes(folder / "key.svg", exported(*doc, ExportFormat::Svg, withKey()));
    ASSERT_TRUE(commandOutput("xmllint --noout " + quoted(folder / "key.svg")));
    const std::string key = "//*[local-name()='g'][@class='legend']";
    EXPECT_EQ(xpath(folder / "key.svg", "count(" + key + ")"), "1");
    EXPECT_EQ(xpath(folder / "key.svg", "count(" + key + "/*[local-name()='g'])"), "3");
    EXPECT_EQ(xpath(folder / "key.svg", "count(" + key + "/*[local-name()='g'][@class='double'])"), "1");
    // The chart's own symbols are all still there, outside the key.
    EXPECT_EQ(xpath(folder / "key.svg", "count(//*[local-name()='g'][@class='double'][not(ancestor::*[@class='legend'])])"),
              "2");
    const std::string text = words(xpath(folder / "key.svg", "string(" + key + ")"));
    for (const char* expected : {"Условные обозначения", "воздушная петля", "столбик с накидом", "3 ссн из одной петли",
                                 "Провязано в петли: 3"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in " << text;
    // The picture grows by the key: beside the 300 x 200 sheet or below it.
    const double width = std::stod(xpath(folder / "key.svg", "string(/*/@width)"));
    const double height = std::stod(xpath(folder / "key.svg", "string(/*/@height)"));
    EXPECT_TRUE((width > 300 && height >= 200) || (width >= 300 && height > 200)) << width << " x " << height;

    writeBytes(folder / "none.svg", exported(*doc, ExportFormat::Svg, ExportOptions{}));
    EXPECT_EQ(xpath(folder / "none.svg", "count(" + key + ")"), "0");
    EXPECT_EQ(xpath(folder / "none.svg", "string(/*/@width)"), "300");
}

TEST(LegendExport, ThePngShowsTheKeyWhereThePageLayoutPutsIt)
{
    TempFolder folder;
    auto doc = roundChart();
    ExportOptions options = withKey();
    options.dpi = 150;
    writeBytes(folder / "key.png", exported(*doc, ExportFormat::Png, options));
    const PixelBuffer picture = readPng(folder / "key.png");
    ASSERT_GT(picture.width(), 0);

    const LegendShapes key(makeLegend(countStitches(doc->canvas()), nullptr), Language::Russian);
    std::string error;
    const std::optional<PageLayout> page = layOutPage(300, 200, options.page, error, key.size());
    ASSERT_TRUE(page && page->key) << error;
    const double pixelsPerMm = 150 / kMmPerInch;
    EXPECT_NEAR(picture.width(), page->contentWidth * pixelsPerMm, 1);
    EXPECT_NEAR(picture.height(), page->contentHeight * pixelsPerMm, 1);
    // Ink where the key is: its frame and its words.
    const int32_t left = int32_t((page->key->left - page->contentLeft) * pixelsPerMm);
    const int32_t top = int32_t((page->key->top - page->contentTop) * pixelsPerMm);
    const int32_t right = std::min(picture.width(), int32_t(left + key.width() * page->key->mmPerUnit * pixelsPerMm));
    const int32_t bottom = std::min(picture.height(), int32_t(top + key.height() * page->key->mmPerUnit * pixelsPerMm));
    int dark = 0;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            dark += (picture.at(x, y) & 0xFF) < 128;
    EXPECT_GT(dark, 500);
}

namespace {

// A 600 x 600 chart with one of every symbol of the catalogue.
std::unique_ptr<CPattraDoc> catalogueChart()
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(600, 600);
    int32_t at = 0;
    for (const ElementType& type : elementTypes()) {
        if (!isCatalogueSymbol(type))
            continue;
        const int32_t x = 15 + (at % 19) * 30;
        const int32_t y = 40 + (at / 19) * 60;
        place(doc->canvas(), type.id, {{x, y + 20}, {x, y - 20}}, {2, colours::black, 0});
        ++at;
    }
    return doc;
}

// The height of the smallest word pdftotext finds, in points.
double smallestWord(const std::filesystem::path& pdf)
{
    const std::string boxes = commandOutput("pdftotext -bbox " + quoted(pdf) + " -").value_or("");
    double smallest = 1e9;
    for (size_t at = boxes.find("<word "); at != std::string::npos; at = boxes.find("<word ", at + 1)) {
        auto value = [&](const char* name) {
            const size_t from = boxes.find(name, at) + std::string(name).size() + 2;
            return std::stod(boxes.substr(from, boxes.find('"', from) - from));
        };
        smallest = std::min(smallest, value("yMax") - value("yMin"));
    }
    return smallest;
}

} // namespace

TEST(LegendShapes, ARunOfRowsInColumnsHoldsEachOfItsRowsOnceUnderHeadsOfItsOwn)
{
    auto doc = catalogueChart();
    const LegendShapes key(makeLegend(countStitches(doc->canvas()), nullptr), Language::Russian);
    ASSERT_GT(key.rowCount(), 30u);
    const std::vector<std::string> whole = textsOf(keyShapes(*doc, Language::Russian));
    std::vector<std::string> runs;
    for (const KeyPart part : {KeyPart{0, 10, 2}, KeyPart{10, 25, 3}, KeyPart{25, key.rowCount(), 4}}) {
        RecordingShapes shapes;
        key.describe(shapes, part);
        const KeySize size = key.sizeOf(part);
        std::vector<std::string> texts = textsOf(shapes);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "Условные обозначения"), part.firstRow == 0);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "Название"), std::ptrdiff_t(part.columns));
        for (const RecordedShape& s : shapes.shapes)
            if (s.kind == RecordedShape::Kind::Text) {
                EXPECT_GE(s.text.left, 0);
                EXPECT_LE(s.text.left + s.text.lines[0].width, size.width);
                EXPECT_LE(s.text.top + s.text.cellHeight, size.height);
            }
        // Set in columns, the run is wider and shorter than in one.
        const KeySize single = key.sizeOf({part.firstRow, part.endRow, 1});
        EXPECT_GT(size.width, single.width);
        EXPECT_LT(size.height, single.height);
        std::erase_if(texts, [](const std::string& t) { return t == "Сокр." || t == "Название" || t == "На схеме"; });
        runs.insert(runs.end(), texts.begin(), texts.end());
    }
    std::vector<std::string> expected = whole;
    std::erase_if(expected, [](const std::string& t) { return t == "Сокр." || t == "Название" || t == "На схеме"; });
    EXPECT_EQ(runs, expected);
}

TEST(LegendExport, TheWholeCataloguesKeyPrintsNoSmallerThanSevenPoints)
{
    TempFolder folder;
    auto doc = catalogueChart();
    const std::filesystem::path pdf = folder / "key.pdf";
    writeBytes(pdf, exported(*doc, ExportFormat::Pdf, withKey()));
    const std::string info = commandOutput("pdfinfo " + quoted(pdf)).value_or("");
    const size_t pages = std::stoul(info.substr(info.find("Pages:") + 6));
    EXPECT_GT(pages, 1u) << info;
    EXPECT_GE(smallestWord(pdf), 7) << "words smaller than 7 points";
    // Every row is there, and the totals close the key on its last page.
    const std::string text = words(commandOutput("pdftotext -layout " + quoted(pdf) + " -").value_or(""));
    const LegendShapes key(makeLegend(countStitches(doc->canvas()), nullptr), Language::Russian);
    RecordingShapes shapes;
    key.describe(shapes);
    for (const std::string& t : textsOf(shapes))
        EXPECT_NE(text.find(words(t)), std::string::npos) << t;
    const std::string last = words(commandOutput("pdftotext -f " + std::to_string(pages) + " " + quoted(pdf) + " -").value_or(""));
    EXPECT_NE(last.find("Получено петель"), std::string::npos) << last;

    // A PNG has no further pages: it grows, its key at the readable size.
    ExportOptions options = withKey();
    options.dpi = 50;
    writeBytes(folder / "key.png", exported(*doc, ExportFormat::Png, options));
    const PixelBuffer picture = readPng(folder / "key.png");
    EXPECT_GT(double(picture.width()) * picture.height() * std::pow(kMmPerInch / 50, 2), 190.0 * 277.0);
}
