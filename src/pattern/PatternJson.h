#pragma once
// A reading and its text as JSON, for scripts and other programs: the
// foundation, each round with its line, counts and symbols in working order
// (each with what its bases are worked into), and the warnings. Paths are
// the element index paths `dump` gives.

#include "pattern/PhraseBook.h"

#include <string>

namespace loopora::pattern {

std::string patternAsJson(const PatternReading& reading, const PhraseBook& book);

} // namespace loopora::pattern
