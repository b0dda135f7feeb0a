#include "export/PatternShapes.h"

#include "export/LegendShapes.h"
#include "pattern/PatternText.h"

#include <algorithm>

namespace loopora {
namespace {

// Between one round's lines and the next's.
constexpr double kBlockGap = 4;
// What a wrapped round line's rest is indented by.
constexpr double kHangingIndent = 24;
constexpr double kNarrowest = 240;

// Words of a line set one after another up to the width; a word longer than
// the width stands alone.
std::vector<std::string> wrapped(const std::string& text, double width)
{
    std::vector<std::string> out;
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        size_t space = text.find(' ', at);
        if (space == std::string::npos)
            space = text.size();
        const std::string word = text.substr(at, space - at);
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && widthOf(longer) > width) {
            out.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        at = space + 1;
    }
    if (!line.empty() || out.empty())
        out.push_back(line);
    return out;
}

} // namespace

PatternShapes::PatternShapes(std::vector<std::string> lines, double width) : width_(width)
{
    const TextMetrics metrics = keyMetrics();
    lineHeight_ = metrics.height + metrics.externalLeading;
    for (const std::string& text : lines) {
        const std::vector<std::string> parts = wrapped(text, width - kHangingIndent);
        for (size_t i = 0; i < parts.size(); ++i)
            lines_.push_back({parts[i], i ? kHangingIndent : 0, i == 0});
    }
}

double PatternShapes::heightOf(size_t first, size_t end) const
{
    double height = 2 * kMargin;
    for (size_t i = first; i < end && i < lines_.size(); ++i)
        height += lineHeight_ + (lines_[i].startsBlock && i > first ? kBlockGap : 0);
    return height;
}

size_t PatternShapes::linesWithin(size_t first, double height) const
{
    size_t end = first + 1;
    while (end < lines_.size() && heightOf(first, end + 1) <= height)
        ++end;
    return std::min(end, lines_.size()) - first;
}

void PatternShapes::describe(ShapeSink& sink, size_t first, size_t end) const
{
    double y = kMargin;
    for (size_t i = first; i < end && i < lines_.size(); ++i) {
        if (lines_[i].startsBlock && i > first)
            y += kBlockGap;
        describeText(sink, lines_[i].text, kMargin + lines_[i].indent, y);
        y += lineHeight_;
    }
}

std::optional<PatternShapes> exportedPattern(const CPattraDoc& doc, const ExportOptions& options, double width)
{
    if (!options.pattern)
        return std::nullopt;
    const pattern::PatternReading reading = pattern::readChart(doc.canvas());
    const pattern::PatternText text =
        pattern::writePattern(reading, pattern::phraseBook(options.legendLanguage, pattern::Terms::Us));
    std::vector<std::string> lines;
    if (!text.foundation.empty())
        lines.push_back(text.foundation);
    lines.insert(lines.end(), text.rounds.begin(), text.rounds.end());
    return PatternShapes(std::move(lines), width);
}

double patternWidthFor(double units) { return std::max(kNarrowest, units - 2 * PatternShapes::kMargin); }

} // namespace loopora
