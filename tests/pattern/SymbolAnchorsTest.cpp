// Every stitch type says where it is worked from and into: the anchors of
// its role (one base and one top for a basic stitch, a top per leg and the
// spaces of its chains for a fan, a base per leg for a decrease), as many
// as its stitch counts say. A placed symbol's anchors follow it through
// every move, turn, scaling and mirroring, because they are read from its
// strokes.

#include "elements/PrototypeTable.h"
#include "pattern/SymbolAnchors.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace loopora;
using namespace loopora::pattern;

namespace {

// Every type the key counts as a stitch: marks of where the yarn is joined
// or fastened off are in the key, but worked from and into nothing.
bool isStitchType(const ElementType& t) { return isCountedSymbol(t.kind) && t.kind != TypeKind::Mark; }

TEST(SymbolAnchors, EveryStitchTypeSaysWhereItIsWorkedFromAndInto)
{
    for (const ElementType& t : elementTypes()) {
        if (!isStitchType(t))
            continue;
        SCOPED_TRACE(std::string(t.name) + " (" + std::to_string(t.id) + ")");
        const Role role = roleOf(t);
        ASSERT_NE(role, Role::None);
        const SymbolAnchors& a = referenceAnchors(t);
        int made = 0;
        for (const TopAnchor& top : a.tops)
            made += top.chains ? top.chains : 1;
        switch (role) {
        case Role::Stitch:
            EXPECT_EQ(int(a.bases.size()), t.counts.workedInto);
            EXPECT_EQ(int(a.tops.size()), t.counts.makes);
            break;
        case Role::Fan:
            EXPECT_EQ(a.bases.size(), 1u);
            EXPECT_EQ(made, t.counts.makes);
            EXPECT_GE(a.tops.size(), 2u);
            break;
        case Role::Decrease:
            EXPECT_EQ(int(a.bases.size()), t.counts.workedInto);
            EXPECT_EQ(a.tops.size(), 1u);
            break;
        case Role::Picot: EXPECT_EQ(a.bases.size(), 1u); break;
        case Role::Chain:
        case Role::ChainGroup: EXPECT_EQ(chainsOf(t), t.counts.makes); break;
        default: break;
        }
        // Bases stand below their tops.
        for (const Vec& b : a.bases)
            for (const TopAnchor& top : a.tops)
                EXPECT_GT(b.y, top.at.y);
    }
}

struct Transform {
    const char* name;
    std::function<void(CChartElement&)> apply;
};

const Transform kTransforms[] = {
    {"placed", [](CChartElement&) {}},
    {"moved", [](CChartElement& e) { e.moveBy(37, -21); }},
    {"turned", [](CChartElement& e) { e.rotateRadians({260, 240}, 2.3); }},
    {"scaled", [](CChartElement& e) { e.scale({200, 260}, 1.7, 1.7); }},
    {"stretched", [](CChartElement& e) { e.scale({200, 260}, 1.8, 0.9); }},
    {"mirrored", [](CChartElement& e) { e.mirrorX({230, 0}); }},
    {"flipped", [](CChartElement& e) { e.mirrorY({0, 250}); }},
};

// Where a point of the frame the symbol was built on is now: three tracer
// lines from the base to the top, and across, went through the same.
struct Frame {
    Vec base, up, across;
    Vec at(Vec reference) const
    {
        const double u = reference.x / kReferenceHeight, v = -reference.y / kReferenceHeight;
        return base + (up - base) * v + (across - base) * u;
    }
};

TEST(SymbolAnchors, FollowTheSymbolThroughEveryTransform)
{
    const Point base{200, 300}, top{200, 220}, right{280, 300};
    for (const ElementType& t : elementTypes()) {
        const Role role = roleOf(t);
        if (!isStitchType(t) || role == Role::Chain || role == Role::ChainGroup || role == Role::Ring ||
            role == Role::SlipStitch)
            continue;
        for (const Transform& transform : kTransforms) {
            SCOPED_TRACE(std::string(t.name) + " " + std::to_string(t.id) + ", " + transform.name);
            std::unique_ptr<CChartElement> symbol = test::built(t.id, {base, top});
            ASSERT_TRUE(symbol);
            auto up = test::built(typeids::kLine, {base, top});
            auto across = test::built(typeids::kLine, {base, right});
            for (CChartElement* e : {symbol.get(), up.get(), across.get()})
                transform.apply(*e);
            const Frame frame{Vec::of(up->points()[0]), Vec::of(up->points()[1]), Vec::of(across->points()[1])};
            const SymbolAnchors placed = anchorsOf(*symbol, t);
            const SymbolAnchors& reference = referenceAnchors(t);
            ASSERT_TRUE(placed.readable);
            ASSERT_EQ(placed.bases.size(), reference.bases.size());
            ASSERT_EQ(placed.tops.size(), reference.tops.size());
            // The rounding of the tracers, and of the strokes: a leg built
            // shorter or shifted rounds its own way at every size.
            const double kNear = 2.5 + 0.03 * distance(frame.base, frame.up);
            for (size_t i = 0; i < placed.bases.size(); ++i)
                EXPECT_LE(distance(placed.bases[i], frame.at(reference.bases[i])), kNear);
            for (size_t i = 0; i < placed.tops.size(); ++i)
                EXPECT_LE(distance(placed.tops[i].at, frame.at(reference.tops[i].at)), kNear);
        }
    }
}

TEST(SymbolAnchors, StrokesOfAnotherSymbolAreNotRead)
{
    // A double's strokes under a treble's type id, as a damaged file has them.
    auto doubleStitch = test::built(typeids::kDouble, {{100, 200}, {100, 120}});
    EXPECT_FALSE(anchorsOf(*doubleStitch, *elementType(typeids::kTreble)).readable);
    EXPECT_TRUE(anchorsOf(*doubleStitch, *elementType(typeids::kDouble)).readable);
}

} // namespace
