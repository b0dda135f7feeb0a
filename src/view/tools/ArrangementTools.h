#pragma once
// The placement tools of rows, arcs and arcs with loops: placement tools whose
// prototype is an arrangement, with setters that carry the parameters of the
// arrangement commands to it.

#include "arrangements/RepeatedStitches.h"
#include "view/tools/PlacementTool.h"

namespace loopora {

class CRowArrangement;
class CArcArrangement;
class CLoopedArcArrangement;

class CRowTool : public CPlacementTool {
public:
    explicit CRowTool(CToolRegistry& registry);
    void setTemplate(StitchTemplate t);
    void setCount(int32_t count);
    void setHeight(double height);
    void setAlongLine(bool along);

private:
    CRowArrangement& row();
};

class CArcTool : public CPlacementTool {
public:
    explicit CArcTool(CToolRegistry& registry);
    void setTemplate(StitchTemplate t);
    void setCount(int32_t count);
    void setHeight(double height);
    void setAlongArc(bool along);
    void setSweep(double degrees);

protected:
    CArcTool(CToolRegistry& registry, std::unique_ptr<CChartElement> prototype);
    CArcArrangement& arc();
};

class CLoopArcTool : public CArcTool {
public:
    explicit CLoopArcTool(CToolRegistry& registry);
    void setLoopLength(int32_t chains);
};

} // namespace loopora
