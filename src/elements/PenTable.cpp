#include "elements/PenTable.h"

#include <vector>

namespace loopora {
namespace {

// Open addressing over the pens' numbers: a chart loads a pen per element,
// almost always the one before, and the table stays as small as the pens.
struct Pens {
    std::vector<PenAttributes> byId{PenAttributes{}};
    std::vector<PenId> slots = std::vector<PenId>(16, kEmptySlot); // a pen's number, or kEmptySlot
    PenId last = PenTable::kDefaultPen;

    static constexpr PenId kEmptySlot = PenId(-1);

    Pens() { slots[slotOf(byId[0])] = 0; }

    size_t slotOf(const PenAttributes& pen) const
    {
        uint64_t h = uint64_t(uint32_t(pen.penWidth)) * 0x9E3779B97F4A7C15ull;
        h ^= (uint64_t(pen.penColour) + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
        h ^= uint64_t(uint32_t(pen.penStyle)) * 0x165667B19E3779F9ull;
        h ^= h >> 29;
        size_t at = size_t(h) & (slots.size() - 1);
        while (slots[at] != kEmptySlot && !(byId[slots[at]] == pen))
            at = (at + 1) & (slots.size() - 1);
        return at;
    }

    void grow()
    {
        slots.assign(slots.size() * 2, kEmptySlot);
        for (PenId id = 0; id < byId.size(); ++id)
            slots[slotOf(byId[id])] = id;
    }
};

Pens& pens()
{
    static Pens table;
    return table;
}

} // namespace

PenId PenTable::idOf(const PenAttributes& pen)
{
    Pens& t = pens();
    if (t.byId[t.last] == pen)
        return t.last;
    size_t at = t.slotOf(pen);
    if (t.slots[at] == Pens::kEmptySlot) {
        if (2 * (t.byId.size() + 1) > t.slots.size()) {
            t.grow();
            at = t.slotOf(pen);
        }
        t.byId.push_back(pen);
        t.slots[at] = PenId(t.byId.size() - 1);
    }
    t.last = t.slots[at];
    return t.last;
}

const PenAttributes& PenTable::pen(PenId id) { return pens().byId[id]; }

size_t PenTable::size() { return pens().byId.size(); }

} // namespace loopora
