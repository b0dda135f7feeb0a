#include "document/Clipboard.h"

namespace loopora {
namespace {

// Constant-initialised, so it is there before any chart and goes after all.
constinit std::vector<std::unique_ptr<CChartElement>> clones;

} // namespace

const std::vector<std::unique_ptr<CChartElement>>& ElementClipboard::elements() { return clones; }

bool ElementClipboard::empty() { return clones.empty(); }

size_t ElementClipboard::size() { return clones.size(); }

void ElementClipboard::clear() { clones.clear(); }

void ElementClipboard::append(std::unique_ptr<CChartElement> clone)
{
    if (clone)
        clones.push_back(std::move(clone));
}

} // namespace loopora
