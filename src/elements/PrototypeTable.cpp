#include "elements/PrototypeTable.h"

#include <array>

namespace loopora {
namespace {

std::array<std::unique_ptr<CChartElement>, PrototypeTable::kSize>& table()
{
    static std::array<std::unique_ptr<CChartElement>, PrototypeTable::kSize> entries;
    return entries;
}

} // namespace

bool PrototypeTable::install(int32_t typeId, std::unique_ptr<CChartElement> prototype)
{
    if (!prototype || typeId < 0 || typeId >= kSize || table()[size_t(typeId)])
        return false;
    table()[size_t(typeId)] = std::move(prototype);
    return true;
}

const CChartElement* PrototypeTable::prototype(int32_t typeId)
{
    if (typeId < 0 || typeId >= kSize)
        return nullptr;
    return table()[size_t(typeId)].get();
}

std::unique_ptr<CChartElement> createElement(int32_t typeId)
{
    const CChartElement* p = PrototypeTable::prototype(typeId);
    return p ? CChartElement::cloneElement(*p) : nullptr;
}

} // namespace loopora
