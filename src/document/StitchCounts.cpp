#include "document/StitchCounts.h"

#include <unordered_set>

namespace loopora {
namespace {

bool onSheet(const CChartElement& e) { return !e.hasFlag(kDeletedFlags); }

// Adds what e holds to tally; a symbol's own strokes and sub-symbols are its
// drawing, never counted again.
void countInto(const CChartElement& e, StitchTally& tally)
{
    if (!onSheet(e))
        return;
    const ElementType* type = elementType(e.typeId());
    if (!type)
        return;
    if (isCountedSymbol(type->kind)) {
        tally.add(*type);
        return;
    }
    if (holdsCountedSymbols(type->kind))
        for (const auto& child : e.children())
            countInto(*child, tally);
}

// Post-order: a holder's tally is complete once its children are counted;
// returns what e adds to its parent.
StitchTally listHolders(const CChartElement& e, int depth, std::vector<HolderTally>& out)
{
    StitchTally tally;
    if (!onSheet(e))
        return tally;
    const ElementType* type = elementType(e.typeId());
    if (!type)
        return tally;
    if (isCountedSymbol(type->kind)) {
        tally.add(*type);
        return tally;
    }
    if (!holdsCountedSymbols(type->kind))
        return tally;
    const size_t slot = out.size();
    if (depth > 0)
        out.push_back({&e, depth, {}});
    for (const auto& child : e.children())
        tally.add(listHolders(*child, depth + 1, out));
    if (depth > 0)
        out[slot].tally = tally;
    return tally;
}

} // namespace

void StitchTally::add(const ElementType& type)
{
    ++symbolsOfType[size_t(type.id)];
    if (type.kind == TypeKind::Mark) {
        ++marks;
        return;
    }
    ++symbols;
    workedInto += type.counts.workedInto;
    makes += type.counts.makes;
}

void StitchTally::add(const StitchTally& other)
{
    for (size_t i = 0; i < symbolsOfType.size(); ++i)
        symbolsOfType[i] += other.symbolsOfType[i];
    symbols += other.symbols;
    marks += other.marks;
    workedInto += other.workedInto;
    makes += other.makes;
}

StitchTally countStitches(const CChartElement& element)
{
    StitchTally tally;
    countInto(element, tally);
    return tally;
}

StitchTally countStitches(std::span<CChartElement* const> elements)
{
    const std::unordered_set<const CChartElement*> chosen(elements.begin(), elements.end());
    auto insideAnother = [&](const CChartElement* e) {
        for (const CChartElement* up = e->parent(); up; up = up->parent())
            if (chosen.count(up))
                return true;
        return false;
    };
    StitchTally tally;
    for (const CChartElement* e : elements)
        if (e && !insideAnother(e))
            countInto(*e, tally);
    return tally;
}

std::vector<HolderTally> countHolders(const CChartElement& root)
{
    std::vector<HolderTally> out;
    listHolders(root, 0, out);
    return out;
}

} // namespace loopora
