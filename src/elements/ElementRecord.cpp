#include "elements/ElementRecord.h"

#include "elements/PrototypeTable.h"
#include "platform/Archive.h"
#include "platform/Numeric.h"

namespace loopora {

Point readStoredPoint(CArchive& ar)
{
    size_t at = ar.offset();
    Point p = ar.readPoint();
    if (p.x > kCoordinateLimit || p.x < -kCoordinateLimit || p.y > kCoordinateLimit || p.y < -kCoordinateLimit)
        ar.failAt(at, "point (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                          ") lies outside the drawable area");
    return p;
}

CChartElement* readElementRecord(CArchive& ar, CChartElement& parent)
{
    size_t at = ar.offset();
    ar.countRecord();
    int32_t typeId = ar.readInt32();
    std::unique_ptr<CChartElement> element = createElement(typeId);
    if (!element)
        ar.failAt(at, "type id " + std::to_string(typeId) + " has no element class");
    CChartElement* placed = parent.appendChild(std::move(element));
    ar.enterNested();
    placed->serialize(ar);
    ar.leaveNested();
    return placed;
}

} // namespace loopora
