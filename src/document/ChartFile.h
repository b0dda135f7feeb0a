#pragma once
// Reading and writing chart files. Loading checks everything a damaged or
// foreign file could get wrong and answers with a message instead of a chart;
// saving replaces the old file only once the new one is completely written.

#include "document/Document.h"
#include "platform/Archive.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace loopora {

// Sheets larger than this are refused when loading: the program makes sheets
// of 100 to 600 pixels, and a damaged size must not make a huge picture.
constexpr int32_t kLargestSheetSide = 4000;
// What a chart file may hold, so that whatever opens is drawn, listed and
// exported within a gigabyte of memory:
// - at most kLargestChartFile bytes, refused before they are read;
// - at most 6,000,000 element records at every depth, 50,000 labels and a
//   million characters of label text in all (CArchive::kMaximumRecords,
//   kMaximumTexts, kMaximumTextCharacters): an element costs a few hundred
//   bytes of memory and of listing, and up to a kilobyte of a PDF in the
//   making (a label a few), however few bytes it takes in the file;
// - at most kMostStoredPoints points in a record (ElementRecord.h), and
//   groups nested at most kDeepestNesting deep (Nesting.h);
// - what one figure costs to draw is bounded by the sheet, not by its size
//   (PlottedFigure.h), and exports leave out what lies far beyond the sheet
//   (ShapeWindow.h).
// A chart of a million symbols (5.6 million records, 172 MiB) opens: the
// command-line program renders it in 610 MB and exports it to PDF in 830 MB,
// so a file at these bounds stays within about a gigabyte.
constexpr uint64_t kLargestChartFile = 192ull * 1024 * 1024;

struct ChartLoadResult {
    std::unique_ptr<CPattraDoc> document; // null when the file was refused
    std::string error;                    // what is wrong and where, when refused
};

std::vector<uint8_t> saveChartBytes(CPattraDoc& doc);
// mostRecords may only lower the bound on element records.
ChartLoadResult loadChartBytes(std::span<const uint8_t> bytes, int32_t mostRecords = CArchive::kMaximumRecords);

// Replaces the file as replaceFile does (FileReplacement.h): through links,
// keeping permissions and owner, synced; on failure the old file is
// untouched and error says why. A write-protected file is not replaced.
bool saveChartFile(CPattraDoc& doc, const std::filesystem::path& path, std::string& error);
ChartLoadResult loadChartFile(const std::filesystem::path& path);

} // namespace loopora
