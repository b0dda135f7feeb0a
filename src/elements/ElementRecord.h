#pragma once
// Reading the element records of a chart file: a type id, then the body of
// that type. Every check that guards the program against a damaged file
// lives here or in the archive.

#include "elements/ChartElement.h"

#include <memory>

namespace loopora {

// A point of a stored element, refused when it lies outside the drawable range.
Point readStoredPoint(CArchive& ar);

// Reads one record: creates the element of the stored type id, appends it to
// parent and lets it read its body. Returns the element.
CChartElement* readElementRecord(CArchive& ar, CChartElement& parent);

// The most points an element's record may hold: every figure the editor
// makes stores two; more would only cost memory and listings.
constexpr int32_t kMostStoredPoints = 4;

// The size of the smallest element record (a type id and an empty group body),
// for checking stored counts against the bytes left.
constexpr size_t kSmallestRecordBytes = 8;

} // namespace loopora
