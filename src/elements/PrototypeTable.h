#pragma once
// One pristine element of every class, indexed by its fixed type id. New
// elements are made by cloning these; files store the type ids.

#include "elements/ChartElement.h"
#include "elements/TypeIds.h"

#include <memory>
#include <string_view>

namespace loopora {

class PrototypeTable {
public:
    static constexpr int32_t kSize = 200;

    // Stores the prototype of a type id; done once per type at start-up.
    static void install(int32_t typeId, std::unique_ptr<CChartElement> prototype);
    // The prototype, or null for ids outside the table and empty entries.
    static const CChartElement* prototype(int32_t typeId);
};

// A new, unparented element cloned from the prototype of typeId; null when the
// id has no prototype.
std::unique_ptr<CChartElement> createElement(int32_t typeId);

// The lower-case name that places a type with a tool ("double", "line"), or an
// empty view for types without a name. Names never appear in files.
std::string_view typeName(int32_t typeId);
// The type id of a name, or -1.
int32_t typeIdOfName(std::string_view name);

} // namespace loopora
