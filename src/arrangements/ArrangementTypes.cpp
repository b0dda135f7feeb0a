#include "arrangements/ArrangementTypes.h"

#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "elements/PrototypeTable.h"

namespace loopora {

void installArrangementTypes()
{
    PrototypeTable::install(typeids::kRow, std::make_unique<CRowArrangement>());
    PrototypeTable::install(typeids::kArc, std::make_unique<CArcArrangement>());
    PrototypeTable::install(typeids::kLoopedArc, std::make_unique<CLoopedArcArrangement>());
    PrototypeTable::install(typeids::kChainRing, std::make_unique<CChainRing>());
    for (int32_t id = 72; id <= 78; ++id)
        PrototypeTable::install(id, std::make_unique<CChainRing>());
}

} // namespace loopora
