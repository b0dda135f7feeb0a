#pragma once
// A slip stitch: a solid oval, filled with nested chain ovals that walk from
// both ends toward the middle (one larger than a sheet is filled row by row).
// With whiteFill it is drawn in white, which lets a symbol blank out what
// lies under a cap.

#include "platform/PenRunMask.h"
#include "stitches/ChainOval.h"

namespace loopora {

class CSlipStitchDot : public CChainOval {
public:
    CSlipStitchDot() : CChainOval(typeids::kSlipStitch) {}

    bool whiteFill() const { return whiteFill_; }
    void setWhiteFill(bool white) { whiteFill_ = white; }

    void describeShape(ShapeSink& sink) const override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override;

protected:
    void serializeBody(CArchive& ar) override;
    void plot(CDC& dc) const override;

private:
    // Whether the dot is small enough for its nested ovals to be walked.
    bool drawnWithNestedOvals() const;
    void plotNestedOvals(PenRunMask& mask) const;
    // A dot too large for nested ovals: every row of the outer oval, filled
    // from end to end, with the pen's runs.
    void fillSolid(CDC& dc, Colour colour) const;

    bool whiteFill_ = false;
};

} // namespace loopora
