#include "elements/PlainElementTypes.h"

#include "elements/GroupElement.h"
#include "elements/LensElement.h"
#include "elements/LineElement.h"
#include "elements/PrototypeTable.h"
#include "elements/RectangleElement.h"
#include "elements/TextElement.h"

namespace loopora {

void installPlainElementTypes()
{
    PrototypeTable::install(typeids::kGroup, std::make_unique<CGroupElement>());
    PrototypeTable::install(typeids::kLens, std::make_unique<CLensElement>());
    PrototypeTable::install(typeids::kLine, std::make_unique<CLineElement>());
    PrototypeTable::install(typeids::kRectangle, std::make_unique<CRectangleElement>());
    PrototypeTable::install(typeids::kText, std::make_unique<CTextElement>());
}

} // namespace loopora
