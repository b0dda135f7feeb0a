#include "arrangements/RepeatedStitches.h"

#include "elements/GroupElement.h"
#include "elements/PrototypeTable.h"
#include "platform/Archive.h"

namespace loopora {

std::vector<std::unique_ptr<CChartElement>> buildStitches(const CChartElement& templateElement,
                                                          const StitchFrames& frames, const ElementState& state)
{
    std::vector<std::unique_ptr<CChartElement>> stitches;
    stitches.reserve(frames.size());
    for (auto [base, top] : frames) {
        std::unique_ptr<CChartElement> stitch = CChartElement::cloneElement(templateElement);
        if (!stitch)
            return {};
        if (!stitch->assignState({{base, top}, state.penWidth, state.penColour, state.penStyle}))
            return {};
        stitches.push_back(std::move(stitch));
    }
    return stitches;
}

bool adoptStitches(CGroupElement& arrangement, const CChartElement& templateElement, const StitchFrames& frames,
                   const ElementState& state)
{
    auto stitches = buildStitches(templateElement, frames, state);
    if (stitches.empty())
        return false;
    arrangement.adoptChildren(std::move(stitches));
    return true;
}

void serializeTemplate(CArchive& ar, StitchTemplate& templateElement, int32_t fallbackTypeId)
{
    if (ar.isStoring()) {
        ar.writeInt32(templateElement ? templateElement->typeId() : fallbackTypeId);
        return;
    }
    size_t at = ar.offset();
    int32_t typeId = ar.readInt32();
    std::unique_ptr<CChartElement> fresh = createElement(typeId);
    if (!fresh)
        ar.failAt(at, "the repeated symbol's type id " + std::to_string(typeId) + " has no element class");
    templateElement = std::move(fresh);
}

} // namespace loopora
