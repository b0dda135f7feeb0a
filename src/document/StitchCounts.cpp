#include "document/StitchCounts.h"

#include <algorithm>

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

struct Totals {
    int64_t symbols = 0;
    int64_t workedInto = 0;
    int64_t makes = 0;

    void add(const ElementType& type)
    {
        ++symbols;
        workedInto += type.counts.workedInto;
        makes += type.counts.makes;
    }
    void add(const Totals& other)
    {
        symbols += other.symbols;
        workedInto += other.workedInto;
        makes += other.makes;
    }
};

// The entry of a holder is made on the way down, so entries stand in tree
// order; its totals are complete on the way back up. Returns what e adds to
// its parent's totals.
Totals listHolders(const CChartElement& e, int depth, int32_t parent, size_t index, std::vector<HolderTally>& out)
{
    Totals totals;
    if (!onSheet(e))
        return totals;
    const ElementType* type = elementType(e.typeId());
    if (!type)
        return totals;
    if (isCountedSymbol(type->kind)) {
        totals.add(*type);
        return totals;
    }
    if (!holdsCountedSymbols(type->kind))
        return totals;
    const int32_t slot = depth > 0 ? int32_t(out.size()) : -1;
    if (depth > 0)
        out.push_back({&e, depth, parent, index, {}});
    std::vector<int32_t> own;
    for (size_t i = 0; i < e.childCount(); ++i) {
        const Totals inside = listHolders(*e.child(i), depth + 1, slot, i, out);
        totals.add(inside);
        const ElementType* childType = elementType(e.child(i)->typeId());
        if (childType && onSheet(*e.child(i)) && isCountedSymbol(childType->kind))
            own.push_back(childType->id);
    }
    if (slot < 0)
        return totals;
    HolderTally& entry = out[size_t(slot)];
    std::sort(own.begin(), own.end());
    for (size_t i = 0; i < own.size();) {
        size_t j = i;
        while (j < own.size() && own[j] == own[i])
            ++j;
        entry.own.push_back({own[i], int32_t(j - i)});
        i = j;
    }
    entry.symbols = totals.symbols;
    entry.workedInto = totals.workedInto;
    entry.makes = totals.makes;
    return totals;
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
    StitchTally tally;
    CChartElement::forEachOutermost(elements, [&](const CChartElement& e) { countInto(e, tally); });
    return tally;
}

StitchTally HolderTally::ownTally() const
{
    StitchTally tally;
    for (const auto& [id, count] : own)
        if (const ElementType* type = elementType(id))
            for (int32_t i = 0; i < count; ++i)
                tally.add(*type);
    return tally;
}

std::vector<HolderTally> countHolders(const CChartElement& root)
{
    std::vector<HolderTally> out;
    listHolders(root, 0, -1, 0, out);
    return out;
}

} // namespace loopora
