#pragma once
// One pristine element of every class, indexed by its fixed type id. New
// elements are made by cloning these; files store the type ids. The type
// table (document/TypeTable.h) says which class each id has and fills this
// at start-up.

#include "elements/ChartElement.h"
#include "elements/TypeIds.h"

#include <memory>

namespace loopora {

class PrototypeTable {
public:
    static constexpr int32_t kSize = 200;

    // Stores the prototype of a type id, once per type at start-up. Refused
    // (false, the prototype dropped) for a null prototype, an id outside the
    // table and an id that already has one: two classes never share an id.
    static bool install(int32_t typeId, std::unique_ptr<CChartElement> prototype);
    // The prototype, or null for ids outside the table and empty entries.
    static const CChartElement* prototype(int32_t typeId);
};

// A new, unparented element cloned from the prototype of typeId; null when the
// id has no prototype.
std::unique_ptr<CChartElement> createElement(int32_t typeId);

} // namespace loopora
