#pragma once
// A whole chart as ideal shapes: the sheet's background pattern, then every
// visible element in drawing order, as the bitmap shows them (selection
// handles are editing marks and stay out).

#include "document/Document.h"
#include "export/ExportOptions.h"
#include "platform/ShapeSink.h"

#include <optional>
#include <string>

namespace loopora {

// What a picture of the chart shows: the sheet's pixels 0..width and
// 0..height, where a chart point p lies at p + origin.
struct SheetArea {
    int32_t width = 0;
    int32_t height = 0;
    Point origin;
};

SheetArea sheetAreaOf(const CPattraDoc& doc);

// What is described of a chart: the sheet, in chart coordinates, with a
// margin wider than any pen and its antialiasing. Shapes beyond it are left
// out and huge ones cut to it (ShapeWindow.h), so that figures of millions of
// pixels cost a file what shows of them.
constexpr double kSheetWindowMargin = 512;
ShapeBox sheetWindowOf(const CPattraDoc& doc);

// With blackLines every stroke and text is black and every fill white but a
// dot's, which is black like its stroke would be; the background pattern is
// left out, as grey guides have no place in line art. Without background
// the pattern is left out alone.
void describeChart(const CPattraDoc& doc, ShapeSink& sink, bool blackLines, bool background = true);
// The chart as the options draw it: black lines or not, the background or
// not, and with rounds each round's symbols in its colour and the rounds' marks.
void describeChart(const CPattraDoc& doc, ShapeSink& sink, const ExportOptions& options);
// An element as black line work.
void describeLineWork(const CChartElement& element, ShapeSink& sink);
// The chart's elements with each round's symbols in its colour (black line
// work stays black), then each round's number, start and way.
void describeRounds(const CCanvas& canvas, ShapeSink& sink, bool blackLines);

// The part of the sheet the elements draw on: the box round every shape
// they describe, in whole pixels and within the sheet; nullopt when they
// draw nothing there.
std::optional<SheetArea> drawingAreaOf(const CPattraDoc& doc);

// What an export shows: the whole sheet, or the drawing when the options
// crop to it (nullopt with a message when nothing is drawn).
std::optional<SheetArea> shownAreaOf(const CPattraDoc& doc, const ExportOptions& options, std::string& error);

} // namespace loopora
