#pragma once
// A chart's written instructions for the exported files: the lines of its
// pattern in the key's language, each wrapped at spaces to a width with the
// rest of a line indented, in key units (pixels of the chart font) as the
// key is, so that every format sets the very same text. A PDF sets runs of
// the lines on pages of their own; a picture puts them all below itself.

#include "document/Document.h"
#include "export/ExportOptions.h"
#include "platform/ShapeSink.h"

#include <optional>
#include <string>
#include <vector>

namespace loopora {

class PatternShapes {
public:
    PatternShapes(std::vector<std::string> lines, double width);

    size_t lineCount() const { return lines_.size(); }
    double lineHeight() const { return lineHeight_; }
    double width() const { return width_; }
    // Lines first to end, with the margin round them.
    double heightOf(size_t first, size_t end) const;
    // How many lines from `first` fit a height, one at least.
    size_t linesWithin(size_t first, double height) const;
    // Lines first to end with the top-left corner of their margin at the origin.
    void describe(ShapeSink& sink, size_t first, size_t end) const;

    static constexpr double kMargin = 10;

private:
    struct Line {
        std::string text;
        double indent = 0;
        bool startsBlock = false; // the first line of a round's: a little space above it
    };
    std::vector<Line> lines_;
    double width_;
    double lineHeight_;
};

// The chart's pattern wrapped to a width in key units, when the options ask for it.
std::optional<PatternShapes> exportedPattern(const CPattraDoc& doc, const ExportOptions& options, double width);

// The width a pattern is wrapped to on a page or under a picture this many
// key units wide: its margins off, and never narrower than a short line.
double patternWidthFor(double units);

} // namespace loopora
