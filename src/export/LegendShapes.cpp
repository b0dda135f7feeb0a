#include "export/LegendShapes.h"

#include "document/LegendText.h"
#include "document/StitchCounts.h"
#include "document/TypeTable.h"
#include "elements/IdealShapes.h"
#include "elements/PrototypeTable.h"
#include "export/ScaledShapes.h"
#include "platform/FontShapes.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace loopora {
namespace {

// The key's measures in key units (pixels of the 13-pixel chart font).
constexpr double kPadding = 10;
constexpr double kSymbolBox = 30;
constexpr double kRowHeight = 34;
constexpr double kColumnGap = 14;
// Between the columns of a key set in several.
constexpr double kColumnsApart = 2 * kColumnGap;
constexpr double kRuleGap = 8;
// Symbols are built as tall as a stitch usually stands on a chart and then
// fitted into their box; their pen is a little wider than the chart's, so
// that, shrunk, they keep the weight of the chart's strokes beside the text.
constexpr int32_t kSymbolLength = 40;
constexpr int32_t kSymbolPen = 3;
// Without a font texts draw nothing, as on the chart, but still take room.
constexpr double kFallbackAdvance = 7;

const ShapeStroke kFrame{0.75, colours::black, ShapeDash::Solid, 1};

} // namespace

TextMetrics keyMetrics()
{
    const Font* font = Font::shared();
    return font ? font->metrics() : Font::kFallbackMetrics;
}

double widthOf(std::string_view utf8)
{
    Font* font = Font::shared();
    double width = 0;
    for (char32_t c : decodeUtf8(utf8))
        width += font ? font->glyph(c).naturalAdvance : kFallbackAdvance;
    return width;
}

// One line of text with its cell's top-left corner at (left, top). Nothing in
// a key has to match the screen, so its glyphs keep the font's own spacing,
// which also keeps their words whole for readers that find words by the gaps.
void describeText(ShapeSink& sink, std::string_view utf8, double left, double top)
{
    Font* font = Font::shared();
    if (!font || utf8.empty())
        return;
    ShapeText text = textInFont(*font, left, top);
    text.lines.push_back(lineInFont(*font, utf8, GlyphSpacing::Natural));
    sink.text(text);
}


LegendShapes::LegendShapes(const Legend& legend, Language language)
{
    const LegendWords& words = legendWords(language);
    title_ = std::string(words.keyTitle);
    heads_ = {std::string(words.abbreviation), std::string(words.name), std::string(words.inChart)};
    double abbreviationWidth = widthOf(words.abbreviation);
    double nameWidth = widthOf(words.name);
    double countWidth = widthOf(words.inChart);
    for (const LegendRow& row : legend.rows) {
        const HumanName& name = humanName(*row.type, language);
        rows_.push_back({row.type->id, std::string(name.abbreviation), std::string(name.name),
                         std::to_string(row.inChart)});
        abbreviationWidth = std::max(abbreviationWidth, widthOf(rows_.back().abbreviation));
        nameWidth = std::max(nameWidth, widthOf(rows_.back().name));
        countWidth = std::max(countWidth, widthOf(rows_.back().count));
    }
    // One total a line: a key is narrow, and the names of the totals are long.
    const std::pair<std::string_view, int64_t> totals[] = {
        {words.symbols, legend.chart.symbols}, {words.workedInto, legend.chart.workedInto}, {words.makes, legend.chart.makes}};
    for (const auto& [label, value] : totals) {
        totals_.push_back(std::string(label) + ": " + std::to_string(value));
        totalsWidth_ = std::max(totalsWidth_, widthOf(totals_.back()));
    }
    titleWidth_ = widthOf(title_);
    abbreviationColumn_ = kSymbolBox + kColumnGap;
    nameColumn_ = abbreviationColumn_ + abbreviationWidth + kColumnGap;
    columnWidth_ = nameColumn_ + nameWidth + kColumnGap + countWidth;
}

LegendShapes::Setting LegendShapes::settingOf(const KeyPart& part) const
{
    const size_t end = std::min(part.endRow, rows_.size());
    const size_t first = std::min(part.firstRow, end);
    const size_t count = end - first;
    Setting s;
    s.columns = std::clamp<size_t>(part.columns, 1, std::max<size_t>(1, count));
    s.rowsPerColumn = (count + s.columns - 1) / s.columns;
    s.title = first == 0;
    s.totals = end == rows_.size();
    return s;
}

KeySize LegendShapes::sizeOf(const KeyPart& part) const
{
    const Setting s = settingOf(part);
    const TextMetrics metrics = keyMetrics();
    const double line = metrics.height + metrics.externalLeading;
    double width = double(s.columns) * columnWidth_ + double(s.columns - 1) * kColumnsApart;
    if (s.title)
        width = std::max(width, titleWidth_);
    if (s.totals)
        width = std::max(width, totalsWidth_);
    // The title, the column heads, the rows, then a rule and the totals.
    const double height = kPadding + (s.title ? line : 0) + line + kRuleGap + double(s.rowsPerColumn) * kRowHeight +
                          (s.totals ? kRuleGap + 3 * line : 0) + kPadding;
    return {width + 2 * kPadding, height};
}

void LegendShapes::describeSymbol(ShapeSink& sink, int32_t typeId, double left, double top) const
{
    std::unique_ptr<CChartElement> symbol = createElement(typeId);
    if (!symbol || !symbol->assignState(ElementState{{{0, kSymbolLength}, {0, 0}}, kSymbolPen, colours::black, 0}))
        return;
    const Rect bounds = symbol->getBounds();
    const double width = std::max(1, bounds.right - bounds.left);
    const double height = std::max(1, bounds.bottom - bounds.top);
    const double scale = std::min(kSymbolBox / width, kSymbolBox / height);
    const ShapePoint shift{left + (kSymbolBox - width * scale) / 2 - bounds.left * scale,
                           top + (kSymbolBox - height * scale) / 2 - bounds.top * scale};
    ScaledShapes fitted(sink, scale, shift);
    describeElement(*symbol, fitted);
}

void LegendShapes::describe(ShapeSink& sink, const KeyPart& part) const
{
    const Setting s = settingOf(part);
    const KeySize size = sizeOf(part);
    const TextMetrics metrics = keyMetrics();
    const double line = metrics.height + metrics.externalLeading;
    // The frame's stroke lies within the key's box, which a picture may end at.
    const double inset = kFrame.width / 2;
    sink.rectangle({inset, inset}, {size.width - inset, size.height - inset}, kFrame);
    double y = kPadding;
    if (s.title) {
        describeText(sink, title_, kPadding, y);
        y += line;
    }
    auto columnLeft = [&](size_t column) { return kPadding + double(column) * (columnWidth_ + kColumnsApart); };
    for (size_t column = 0; column < s.columns; ++column) {
        const double left = columnLeft(column);
        describeText(sink, heads_[0], left + abbreviationColumn_, y);
        describeText(sink, heads_[1], left + nameColumn_, y);
        describeText(sink, heads_[2], left + columnWidth_ - widthOf(heads_[2]), y);
    }
    y += line + kRuleGap / 2;
    sink.line({kPadding, y}, {size.width - kPadding, y}, kFrame);
    y += kRuleGap / 2;
    const size_t first = std::min(part.firstRow, rows_.size());
    const size_t end = std::clamp(part.endRow, first, rows_.size());
    for (size_t i = first; i < end; ++i) {
        const Row& row = rows_[i];
        const size_t at = i - first;
        const double left = columnLeft(at / s.rowsPerColumn);
        const double top = y + double(at % s.rowsPerColumn) * kRowHeight;
        describeSymbol(sink, row.typeId, left, top + (kRowHeight - kSymbolBox) / 2);
        const double textTop = top + (kRowHeight - metrics.height) / 2;
        describeText(sink, row.abbreviation, left + abbreviationColumn_, textTop);
        describeText(sink, row.name, left + nameColumn_, textTop);
        describeText(sink, row.count, left + columnWidth_ - widthOf(row.count), textTop);
    }
    if (!s.totals)
        return;
    y += double(s.rowsPerColumn) * kRowHeight + kRuleGap / 2;
    sink.line({kPadding, y}, {size.width - kPadding, y}, kFrame);
    y += kRuleGap / 2;
    for (const std::string& total : totals_) {
        describeText(sink, total, kPadding, y);
        y += line;
    }
}

std::optional<LegendShapes> exportedKey(const CPattraDoc& doc, const ExportOptions& options)
{
    if (!options.legend)
        return std::nullopt;
    return LegendShapes(makeLegend(countStitches(doc.canvas()), nullptr), options.legendLanguage);
}

} // namespace loopora
