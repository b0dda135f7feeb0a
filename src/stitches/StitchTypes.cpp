#include "stitches/StitchTypes.h"

#include "elements/PrototypeTable.h"
#include "stitches/BasicStitches.h"
#include "stitches/CircleArc.h"
#include "stitches/ComposedSymbol.h"
#include "stitches/Decreases.h"
#include "stitches/IncreaseFans.h"
#include "stitches/SlipStitchDot.h"

namespace loopora {

void installStitchTypes()
{
    PrototypeTable::install(typeids::kChain, std::make_unique<CChainOval>());
    PrototypeTable::install(typeids::kSlipStitch, std::make_unique<CSlipStitchDot>());
    PrototypeTable::install(typeids::kCircle, std::make_unique<CCircleArc>());
    installBasicStitchTypes();
    installIncreaseFanTypes();
    installDecreaseTypes();
    installChainGroupTypes();
    installScratchAndSpecialTypes();
    installClusterTypes();
}

} // namespace loopora
