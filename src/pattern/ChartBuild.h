#pragma once
// A chart made from written instructions: the text read and counted out
// (WrittenPattern.h), laid out on a sheet (ChartLayout.h), and built as
// ordinary symbols on a new document, each dragged from its base to its
// top as a designer would place it. Nothing is built when the text or
// the layout is refused; the message then says why, at which line.

#include "document/Document.h"
#include "pattern/ChartLayout.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace loopora::pattern {

struct BuiltChart {
    std::unique_ptr<CPattraDoc> document; // null when refused
    std::optional<PatternError> error;    // a line of the text is wrong
    std::string message;                  // why it was refused, in the book's words
};

BuiltChart buildChart(std::string_view text, const PhraseBook& book, std::optional<int32_t> sheet = std::nullopt);
// The text of a pattern file of at most kLargestPatternFile bytes; false
// with a message naming the file when it cannot be read.
constexpr uint64_t kLargestPatternFile = 1 << 20;
bool readPatternFile(const std::filesystem::path& path, std::string& text, std::string& error);

// The document of a layout: a new chart of the layout's sheet with its symbols.
std::unique_ptr<CPattraDoc> documentOf(const ChartLayout& layout);

} // namespace loopora::pattern
