#include "pattern/StitchMakeup.h"

#include "elements/TypeIds.h"
#include "pattern/SymbolAnchors.h"

namespace loopora::pattern {
namespace {

struct LegsOf {
    const LegStyle* legs;
    int32_t typeId;
};
constexpr LegsOf kLegTypes[] = {{&kSingleLegs, typeids::kSingle},
                                {&kHalfDoubleLegs, typeids::kHalfDouble},
                                {&kDoubleLegs, typeids::kDouble},
                                {&kTrebleLegs, typeids::kTreble},
                                {&kDoubleTrebleLegs, typeids::kDoubleTreble},
                                {&kTrebleTrebleLegs, typeids::kTrebleTreble}};

struct BeginningChains {
    int32_t typeId;
    int chains;
};
constexpr BeginningChains kBeginningChains[] = {{typeids::kSingle, 1},      {typeids::kHalfDouble, 2},
                                                {typeids::kDouble, 3},      {typeids::kTreble, 4},
                                                {typeids::kDoubleTreble, 5}, {typeids::kTrebleTreble, 6}};

} // namespace

FanBuild fanBuildOf(const ElementType& type)
{
    if (const auto* recipe = std::get_if<FanRecipe>(&type.build))
        return {recipe, recipe->legStyle};
    if (const auto* like = std::get_if<FanLike>(&type.build)) {
        const ElementType* model = elementType(like->fanTypeId);
        if (const auto* recipe = model ? std::get_if<FanRecipe>(&model->build) : nullptr)
            return {recipe, like->legs};
    }
    return {};
}

int32_t legTypeOf(const ElementType& type)
{
    const LegStyle* legs = fanBuildOf(type).legs;
    if (const auto* decrease = std::get_if<DecreaseRecipe>(&type.build); !legs && decrease)
        legs = decrease->legStyle;
    for (const LegsOf& l : kLegTypes)
        if (l.legs == legs)
            return l.typeId;
    return type.id;
}

std::vector<MakeupPart> makeupOf(const ElementType& type)
{
    if (roleOf(type) != Role::Fan)
        return {{type.id, 1}};
    const int32_t leg = legTypeOf(type);
    std::vector<MakeupPart> parts;
    for (const TopAnchor& top : referenceAnchors(type).tops) {
        const MakeupPart part{top.chains ? typeids::kChain : leg, top.chains ? top.chains : 1};
        if (!parts.empty() && parts.back().typeId == part.typeId)
            parts.back().count += part.count;
        else
            parts.push_back(part);
    }
    return parts;
}

int beginningChainsFor(int32_t typeId)
{
    for (const BeginningChains& b : kBeginningChains)
        if (b.typeId == typeId)
            return b.chains;
    return 0;
}

} // namespace loopora::pattern
