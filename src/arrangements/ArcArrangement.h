#pragma once
// One repeated stitch around a circle or along an arc: the first dragged point
// is the centre, the second the first stitch's place on the arc. Stitches
// stand radially, or lie along the arc centred on it.

#include "arrangements/RepeatedStitches.h"
#include "elements/GroupElement.h"
#include "elements/TypeIds.h"

namespace loopora {

class CArcArrangement : public CGroupElement {
public:
    CArcArrangement() : CArcArrangement(typeids::kArc) {}

    int32_t count() const { return count_; }
    double height() const { return height_; }
    bool alongArc() const { return alongArc_; }
    double sweep() const { return sweep_; }
    const StitchTemplate& stitchTemplate() const { return template_; }
    void setCount(int32_t count) { count_ = count; }
    void setHeight(double height) { height_ = height; }
    void setAlongArc(bool along) { alongArc_ = along; }
    void setSweep(double degrees) { sweep_ = degrees; }
    void setTemplate(StitchTemplate t) { template_ = std::move(t); }

    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override;

    // A closed circle (sweep exactly 360) has no stitch doubled at the end; an
    // open arc has stitches at both ends.
    bool closed() const { return sweep_ == 360.0; }
    StitchFrames frames(Point centre, Point start) const;

protected:
    explicit CArcArrangement(int32_t typeId) : CGroupElement(typeId) {}
    void serializeBody(CArchive& ar) override;
    // Copies the parameters into another arc of a derived class.
    void copyArcParameters(CArcArrangement& to) const;
    // Refused for counts an arc cannot divide by.
    bool countFits() const { return count_ >= (closed() ? 1 : 2) && count_ <= kMaximumRepeats; }

    int32_t count_ = 10;
    double height_ = 30.0;
    StitchTemplate template_;
    bool alongArc_ = false;
    double sweep_ = 360.0;
};

// The same arc with chain loops between neighbouring stitches' tops.
class CLoopedArcArrangement : public CArcArrangement {
public:
    CLoopedArcArrangement();

    int32_t loopLength() const { return loopLength_; }
    void setLoopLength(int32_t chains) { loopLength_ = chains; }

    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override;

protected:
    void serializeBody(CArchive& ar) override;

private:
    int32_t loopLength_ = 2;
};

// A closed ring of chains through both dragged points, centred between them.
// `count` is the number of chains and `height` their length-to-width ratio.
class CChainRing : public CArcArrangement {
public:
    CChainRing();

    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;
};

} // namespace loopora
