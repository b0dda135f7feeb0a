#pragma once
// A row of one repeated stitch along the segment between the two dragged
// points: standing across the row (the first on the first point, the last on
// the second) or lying end to end along it.

#include "arrangements/RepeatedStitches.h"
#include "elements/GroupElement.h"
#include "elements/TypeIds.h"

namespace loopora {

class CRowArrangement : public CGroupElement {
public:
    CRowArrangement() : CGroupElement(typeids::kRow) {}

    int32_t count() const { return count_; }
    double height() const { return height_; }
    bool alongLine() const { return alongLine_; }
    const StitchTemplate& stitchTemplate() const { return template_; }
    void setCount(int32_t count) { count_ = count; }
    void setHeight(double height) { height_ = height; }
    void setAlongLine(bool along) { alongLine_ = along; }
    void setTemplate(StitchTemplate t) { template_ = std::move(t); }

    // Refused without a template and for counts that cannot make a row
    // (below 1, or below 2 standing).
    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override;

    // The base and top of every stitch for a row from a to b.
    StitchFrames frames(Point a, Point b) const;

protected:
    void serializeBody(CArchive& ar) override;

private:
    int32_t count_ = 5;
    double height_ = 30.0;
    bool alongLine_ = false;
    StitchTemplate template_;
};

} // namespace loopora
