#include "pattern/ChartBuild.h"

#include "arrangements/ArcArrangement.h"
#include "elements/PrototypeTable.h"
#include "platform/FileBytes.h"

namespace loopora::pattern {
namespace {

// A new chart's background and its lines' spacing, as the editor starts them.
constexpr int32_t kPlainBackground = 0;
constexpr int32_t kLineSpacing = 30;

std::unique_ptr<CChartElement> elementOf(const PlacedSymbol& s)
{
    std::unique_ptr<CChartElement> e = createElement(s.typeId);
    if (!e)
        return nullptr;
    if (auto* ring = dynamic_cast<CChainRing*>(e.get()))
        ring->setCount(s.chains);
    if (!e->assignState({{s.base, s.top}, 1, colours::black, 0}))
        return nullptr;
    return e;
}

} // namespace

std::unique_ptr<CPattraDoc> documentOf(const ChartLayout& layout)
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(layout.width, layout.height);
    doc->canvas().setBackgroundKind(kPlainBackground);
    doc->canvas().setLineSpacing(kLineSpacing);
    for (const PlacedSymbol& s : layout.symbols)
        if (std::unique_ptr<CChartElement> e = elementOf(s))
            doc->canvas().appendChild(std::move(e));
    return doc;
}

bool readPatternFile(const std::filesystem::path& path, std::string& text, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!readRegularFile(path, kLargestPatternFile, bytes, error))
        return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

BuiltChart buildChart(std::string_view text, const PhraseBook& book, std::optional<int32_t> sheet)
{
    BuiltChart out;
    PatternRead read = readWrittenPattern(text, book);
    if (!read.pattern) {
        out.error = read.error;
        out.message = read.error ? errorText(book, *read.error) : std::string(book.noRounds);
        return out;
    }
    const ChartLayout layout = layOut(*read.pattern, book, sheet);
    if (!layout.error.empty()) {
        out.message = layout.error;
        return out;
    }
    out.document = documentOf(layout);
    return out;
}

} // namespace loopora::pattern
