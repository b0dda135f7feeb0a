#pragma once
// A chart's key for the exported files: its title, one row for each symbol
// type on the sheet (the symbol itself, its abbreviation, its name and how
// many there are), then the totals. The key is laid out in key units, the
// pixels of the chart font, and described as ideal shapes with its top-left
// corner at the origin; a writer scales and places it beside or below the
// chart, so every format draws the very same key.

#include "document/Document.h"
#include "document/Legend.h"
#include "export/ExportOptions.h"
#include "platform/ShapeSink.h"
#include "platform/UiLanguage.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace loopora {

class LegendShapes {
public:
    LegendShapes(const Legend& legend, Language language);

    double width() const { return width_; }
    double height() const { return height_; }
    KeySize size() const { return {width_, height_}; }

    void describe(ShapeSink& sink) const;

private:
    struct Row {
        int32_t typeId;
        std::string abbreviation;
        std::string name;
        std::string count;
    };

    void describeSymbol(ShapeSink& sink, int32_t typeId, double left, double top) const;

    std::string title_;
    std::array<std::string, 3> heads_; // over the abbreviations, the names and the counts
    std::vector<Row> rows_;
    std::vector<std::string> totals_;
    double abbreviationColumn_ = 0;
    double nameColumn_ = 0;
    double countColumn_ = 0;
    double width_ = 0;
    double height_ = 0;
};

// The key of everything on the chart's sheet, when the options ask for one.
std::optional<LegendShapes> exportedKey(const CPattraDoc& doc, const ExportOptions& options);
std::optional<KeySize> sizeOf(const std::optional<LegendShapes>& key);

} // namespace loopora
