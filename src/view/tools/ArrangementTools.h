#pragma once
// The placement tools of rows, arcs, arcs with loops and chain rings:
// placement tools whose prototype is an arrangement, with setters that carry
// the parameters of the arrangement commands to it.

#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "view/tools/PlacementTool.h"

namespace loopora {

class CRowTool : public CPlacementTool {
public:
    CRowTool(std::unique_ptr<CRowArrangement> prototype, CToolRegistry& registry);
    void setTemplate(StitchTemplate t);
    void setCount(int32_t count);
    void setHeight(double height);
    void setAlongLine(bool along);
    CRowArrangement& row() { return row_; }

private:
    CRowArrangement& row_;
};

class CArcTool : public CPlacementTool {
public:
    CArcTool(std::unique_ptr<CArcArrangement> prototype, CToolRegistry& registry);
    void setTemplate(StitchTemplate t);
    void setCount(int32_t count);
    void setHeight(double height);
    void setAlongArc(bool along);
    void setSweep(double degrees);
    CArcArrangement& arc() { return arc_; }

private:
    CArcArrangement& arc_;
};

class CLoopArcTool : public CArcTool {
public:
    CLoopArcTool(std::unique_ptr<CLoopedArcArrangement> prototype, CToolRegistry& registry);
    void setLoopLength(int32_t chains);

private:
    CLoopedArcArrangement& loopedArc_;
};

class CChainRingTool : public CPlacementTool {
public:
    CChainRingTool(std::unique_ptr<CChainRing> prototype, CToolRegistry& registry);
    CChainRing& ring() { return ring_; }

private:
    CChainRing& ring_;
};

} // namespace loopora
