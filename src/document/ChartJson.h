#pragma once
// The element tree of a chart as JSON, the form `loopora-cli dump` and the
// script runner print. Keep it stable: tests and users' scripts read it.

#include "document/Document.h"

#include <ostream>
#include <string>

namespace loopora {

// Writes the listing as it goes: the whole text of a large chart is never held.
void writeChartJson(const CPattraDoc& doc, std::ostream& to);
std::string chartToJson(const CPattraDoc& doc);

} // namespace loopora
