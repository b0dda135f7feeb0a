#include "document/ElementTypes.h"

#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"

#include <mutex>

namespace loopora {

void installElementTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const ElementType& type : elementTypes())
            PrototypeTable::install(type.id, makePrototype(type));
    });
}

} // namespace loopora
