#pragma once
// The element tree of a chart as JSON, the form `loopora-cli dump` and the
// script runner print. Keep it stable: tests and users' scripts read it.

#include "document/Document.h"

#include <string>

namespace loopora {

std::string chartToJson(const CPattraDoc& doc);

} // namespace loopora
