#include "arrangements/ArcArrangement.h"

#include "elements/PointMath.h"
#include "elements/PrototypeTable.h"
#include "platform/Archive.h"
#include "platform/Numeric.h"
#include "stitches/ChainOval.h"

#include <cmath>

namespace loopora {

StitchFrames CArcArrangement::frames(Point centre, Point start) const
{
    StitchFrames out;
    const double divisor = closed() ? count_ : count_ - 1;
    for (int32_t i = 0; i < count_; ++i) {
        Point p = rotatePointAbout(centre, start, i * sweep_ / divisor);
        double dx = double(p.x) - centre.x;
        double dy = double(p.y) - centre.y;
        if (!alongArc_) {
            // Radially: from the arc outward, height pixels beyond it.
            double radius = std::sqrt(dx * dx + dy * dy);
            Point inward{truncToInt(p.x - dx * height_ / radius), truncToInt(p.y - dy * height_ / radius)};
            out.push_back({p, rotatePointAbout(p, inward, 180)});
        } else {
            // Along the arc: centred on it, square to the radius, twice height long.
            int32_t radius = integerDistance(int64_t(p.x) - centre.x, int64_t(p.y) - centre.y);
            Point q{roundHalfUp(p.x - dx * height_ / radius), roundHalfUp(p.y - dy * height_ / radius)};
            out.push_back({rotatePointAbout(p, q, 90), rotatePointAbout(p, q, 270)});
        }
    }
    return out;
}

bool CArcArrangement::assignState(const ElementState& state)
{
    if (!template_ || state.points.size() < 2 || !countFits())
        return false;
    return adoptStitches(*this, *template_, frames(state.points[0], state.points[1]), state);
}

void CArcArrangement::copyArcParameters(CArcArrangement& to) const
{
    to.count_ = count_;
    to.height_ = height_;
    to.template_ = template_;
    to.alongArc_ = alongArc_;
    to.sweep_ = sweep_;
}

std::unique_ptr<CChartElement> CArcArrangement::clone() const
{
    auto copy = cloneAs<CArcArrangement>();
    copyArcParameters(static_cast<CArcArrangement&>(*copy));
    return copy;
}

void CArcArrangement::describeFields(FieldSink& sink) const
{
    sink.field("count", count_);
    sink.field("height", height_);
    sink.field("template", template_ ? template_->typeId() : int32_t(-1));
    sink.field("alongArc", alongArc_);
    sink.field("sweep", sweep_);
}

void CArcArrangement::serializeBody(CArchive& ar)
{
    CGroupElement::serializeBody(ar);
    if (ar.isStoring()) {
        ar.writeInt32(count_);
        ar.writeDouble(height_);
    } else {
        count_ = ar.readInt32();
        height_ = ar.readDouble();
    }
    // A chain ring repeats no symbol of its own; it records a chain.
    serializeTemplate(ar, template_, typeids::kChain);
    if (ar.isStoring()) {
        ar.writeBool(alongArc_);
        ar.writeDouble(sweep_);
    } else {
        alongArc_ = ar.readBool();
        sweep_ = ar.readDouble();
    }
}

CLoopedArcArrangement::CLoopedArcArrangement() : CArcArrangement(typeids::kLoopedArc)
{
    template_ = createElement(typeids::kDouble);
}

bool CLoopedArcArrangement::assignState(const ElementState& state)
{
    // The loops are spaced by count - 1 gaps even on a closed circle.
    if (!template_ || state.points.size() < 2 || !countFits() || count_ < 2)
        return false;
    const Point centre = state.points[0];
    StitchFrames stitchFrames = frames(centre, state.points[1]);
    auto parts = buildStitches(*template_, stitchFrames, state);
    if (parts.empty())
        return false;
    const int32_t m = loopLength_;
    const size_t gaps = closed() ? size_t(count_) : size_t(count_ - 1);
    const double step = sweep_ / (2.0 * m * (count_ - 1));
    const double offset = sweep_ / (4.0 * (count_ - 1));
    for (size_t j = 0; j < gaps && m > 0; ++j) {
        Point previous = rotatePointAbout(centre, stitchFrames[j].second, offset);
        for (int32_t k = 1; k <= m; ++k) {
            Point next = rotatePointAbout(centre, stitchFrames[j].second, offset + k * step);
            auto chain = createElement(typeids::kChain);
            if (!chain->assignState({{previous, next}, state.penWidth, state.penColour, state.penStyle}))
                return false;
            parts.push_back(std::move(chain));
            previous = next;
        }
    }
    adoptChildren(std::move(parts));
    return true;
}

std::unique_ptr<CChartElement> CLoopedArcArrangement::clone() const
{
    auto copy = cloneAs<CLoopedArcArrangement>();
    auto& arc = static_cast<CLoopedArcArrangement&>(*copy);
    copyArcParameters(arc);
    arc.loopLength_ = loopLength_;
    return copy;
}

void CLoopedArcArrangement::describeFields(FieldSink& sink) const
{
    CArcArrangement::describeFields(sink);
    sink.field("loopLength", loopLength_);
}

void CLoopedArcArrangement::serializeBody(CArchive& ar)
{
    CArcArrangement::serializeBody(ar);
    if (ar.isStoring())
        ar.writeInt32(loopLength_);
    else
        loopLength_ = ar.readInt32();
}

CChainRing::CChainRing() : CArcArrangement(typeids::kChainRing)
{
    count_ = 5;
    height_ = 2.0;
    // The ring draws its own chains; the chain recorded as its repeated symbol
    // keeps files and listings the same before and after a save.
    template_ = createElement(typeids::kChain);
}

bool CChainRing::assignState(const ElementState& state)
{
    if (state.points.size() < 2 || count_ < 3 || count_ > kMaximumRepeats)
        return false;
    const Point p0 = state.points[0];
    const Point centre{int32_t((int64_t(p0.x) + state.points[1].x) / 2), int32_t((int64_t(p0.y) + state.points[1].y) / 2)};
    std::vector<Point> around;
    for (int32_t i = 0; i < count_; ++i)
        around.push_back(rotatePointAbout(centre, p0, i * 360.0 / count_));
    std::vector<std::unique_ptr<CChartElement>> chains;
    for (int32_t i = 0; i < count_; ++i) {
        auto chain = std::make_unique<CChainOval>();
        chain->setRatio(height_);
        Point next = around[size_t((i + 1) % count_)];
        if (!chain->assignState({{around[size_t(i)], next}, state.penWidth, state.penColour, state.penStyle}))
            return false;
        chains.push_back(std::move(chain));
    }
    adoptChildren(std::move(chains));
    return true;
}

std::unique_ptr<CChartElement> CChainRing::clone() const
{
    auto copy = cloneAs<CChainRing>();
    copyArcParameters(static_cast<CArcArrangement&>(*copy));
    return copy;
}

} // namespace loopora
