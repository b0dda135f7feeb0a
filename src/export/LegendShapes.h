#pragma once
// A chart's key for the exported files: its title, one row for each symbol
// type on the sheet (the symbol itself, its abbreviation, its name and how
// many there are), then the totals. The key is laid out in key units, the
// pixels of the chart font, and described as ideal shapes with its top-left
// corner at the origin; a writer scales and places it beside or below the
// chart, so every format draws the very same key. A long key is set in
// columns, and may be split into runs of rows for pages of their own.

#include "document/Document.h"
#include "document/Legend.h"
#include "export/ExportOptions.h"
#include "platform/Font.h"
#include "platform/ShapeSink.h"
#include "platform/UiLanguage.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace loopora {

// Texts of the key and of the exported pattern, in key units: the chart
// font's measures, a text's width, and one line of text with its cell's
// top-left corner at (left, top).
TextMetrics keyMetrics();
double widthOf(std::string_view utf8);
void describeText(ShapeSink& sink, std::string_view utf8, double left, double top);

class LegendShapes final : public KeyMeasure {
public:
    LegendShapes(const Legend& legend, Language language);

    // The whole key in one column.
    KeyPart whole() const { return {0, rows_.size(), 1}; }
    double width() const { return sizeOf(whole()).width; }
    double height() const { return sizeOf(whole()).height; }
    KeySize size() const { return sizeOf(whole()); }

    size_t rowCount() const override { return rows_.size(); }
    KeySize sizeOf(const KeyPart& part) const override;

    void describe(ShapeSink& sink) const { describe(sink, whole()); }
    // A run of the rows, framed, with its top-left corner at the origin.
    void describe(ShapeSink& sink, const KeyPart& part) const;

private:
    struct Row {
        int32_t typeId;
        std::string abbreviation;
        std::string name;
        std::string count;
    };
    // How a run is set: its columns and the rows each holds.
    struct Setting {
        size_t columns = 1;
        size_t rowsPerColumn = 0;
        bool title = false;
        bool totals = false;
    };

    Setting settingOf(const KeyPart& part) const;
    void describeSymbol(ShapeSink& sink, int32_t typeId, double left, double top) const;

    std::string title_;
    std::array<std::string, 3> heads_; // over the abbreviations, the names and the counts
    std::vector<Row> rows_;
    std::vector<std::string> totals_;
    // From a column's left edge: where its abbreviations, names and counts
    // start (the counts end at the column's width).
    double abbreviationColumn_ = 0;
    double nameColumn_ = 0;
    double columnWidth_ = 0;
    double titleWidth_ = 0;
    double totalsWidth_ = 0;
};

// The key of everything on the chart's sheet, when the options ask for one.
std::optional<LegendShapes> exportedKey(const CPattraDoc& doc, const ExportOptions& options);

} // namespace loopora
