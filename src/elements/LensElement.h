#pragma once
// A lens-shaped curve: the arc of an ellipse from the second point to the
// first, bulging to one side of the chord. Two lenses over the same two points
// in opposite order close an almond outline; clusters and bobbles use them.
// The arc is plotted pixel by pixel in the pen colour.

#include "elements/EllipseWalk.h"
#include "elements/PlottedFigure.h"
#include "elements/TypeIds.h"
#include "platform/PenRuns.h"

namespace loopora {

class CLensElement : public CPlottedFigure {
public:
    CLensElement() : CPlottedFigure(typeids::kLens) {}

    double bulge() const { return bulge_; }
    void setBulge(double bulge)
    {
        bulge_ = bulge;
        geometryChanged();
    }

    void describeShape(ShapeSink& sink) const override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override { sink.field("bulge", bulge_); }

protected:
    void serializeBody(CArchive& ar) override;
    // The box of the arc's pixels, from the first point.
    Rect measurePixels() const override;
    void plot(CDC& dc) const override;

private:
    // The ellipse the arc belongs to and the angles, seen from its centre,
    // where the arc starts and ends.
    struct Arc {
        PlottedOval oval;
        double start = 0;
        double end = 0;

        // Whether the pixel at (x, y) lies on the arc.
        bool holds(int64_t x, int64_t y) const;
    };
    Arc arc() const;
    // Calls plot(x, y) for every pixel of the arc that starts a pen run; a
    // large arc only where window holds it.
    template <typename Plot>
    void forEachArcPixel(const Arc& arc, const Rect& window, Plot&& plot) const;
    double bulge_ = 1.5;
};

} // namespace loopora
