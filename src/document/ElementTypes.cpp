#include "document/ElementTypes.h"

#include "arrangements/ArrangementTypes.h"
#include "document/Canvas.h"
#include "elements/PlainElementTypes.h"
#include "elements/PrototypeTable.h"
#include "stitches/StitchTypes.h"

#include <mutex>

namespace loopora {

void installElementTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        installPlainElementTypes();
        installStitchTypes();
        installArrangementTypes();
        PrototypeTable::install(typeids::kCanvas, std::make_unique<CCanvas>());
    });
}

} // namespace loopora
