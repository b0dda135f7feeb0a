#include "arrangements/RowArrangement.h"

#include "elements/PointMath.h"
#include "platform/Archive.h"
#include "platform/Numeric.h"

#include <cmath>

namespace loopora {
namespace {

// a + (b - a) * i / n per coordinate, multiplied first and divided in integers.
Point stepAlong(Point a, Point b, int64_t i, int64_t n)
{
    return {int32_t(a.x + (int64_t(b.x) - a.x) * i / n), int32_t(a.y + (int64_t(b.y) - a.y) * i / n)};
}

// from + (to - from) * height / |to - from|, truncated.
Point reachToward(Point from, Point to, double height)
{
    double dx = double(to.x) - from.x;
    double dy = double(to.y) - from.y;
    double length = std::sqrt(dx * dx + dy * dy);
    return {truncToInt(from.x + dx * height / length), truncToInt(from.y + dy * height / length)};
}

} // namespace

StitchFrames CRowArrangement::frames(Point a, Point b) const
{
    StitchFrames out;
    const int64_t n = count_;
    if (alongLine_) {
        for (int64_t i = 0; i < n; ++i)
            out.push_back({stepAlong(a, b, i, n), i + 1 < n ? stepAlong(a, b, i + 1, n) : b});
        return out;
    }
    // Standing stitches point to the left of the row's direction: upward for a
    // row drawn from left to right.
    for (int64_t i = 0; i < n; ++i) {
        Point base = stepAlong(a, b, i, n - 1);
        // The last stitch stands on b and reaches on in the direction of the row.
        Point reach = i + 1 < n ? reachToward(base, b, height_) : reachToward(b, Point{2 * b.x - a.x, 2 * b.y - a.y}, height_);
        out.push_back({base, rotatePointAbout(base, reach, 270)});
    }
    return out;
}

bool CRowArrangement::assignState(const ElementState& state)
{
    if (!template_ || state.points.size() < 2 || count_ < 1 || (!alongLine_ && count_ < 2) ||
        count_ > kMaximumRepeats)
        return false;
    return adoptStitches(*this, *template_, frames(state.points[0], state.points[1]), state);
}

std::unique_ptr<CChartElement> CRowArrangement::clone() const
{
    auto copy = cloneAs<CRowArrangement>();
    auto* row = static_cast<CRowArrangement*>(copy.get());
    row->count_ = count_;
    row->height_ = height_;
    row->alongLine_ = alongLine_;
    row->template_ = template_;
    return copy;
}

void CRowArrangement::describeFields(FieldSink& sink) const
{
    sink.field("count", count_);
    sink.field("height", height_);
    sink.field("alongLine", alongLine_);
    sink.field("template", template_ ? template_->typeId() : int32_t(-1));
}

void CRowArrangement::serializeBody(CArchive& ar)
{
    CGroupElement::serializeBody(ar);
    if (ar.isStoring()) {
        ar.writeInt32(count_);
        ar.writeDouble(height_);
        ar.writeBool(alongLine_);
    } else {
        count_ = ar.readInt32();
        height_ = ar.readDouble();
        alongLine_ = ar.readBool();
    }
    serializeTemplate(ar, template_, typeids::kDouble);
}

} // namespace loopora
