// Invariants: an arrangement builds its stitches once, at the positions its
// parameters give, and afterwards is an ordinary group; saving and loading
// keep its stitches exactly (nothing is rebuilt); counts it cannot divide by
// are refused; the repeated symbol is shared and freed with its last user.

#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "export/BitmapWriter.h"
#include "stitches/ChainOval.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace loopora;

namespace {

StitchTemplate templateOf(int32_t typeId) { return createElement(typeId); }

ElementState stateFor(Point a, Point b, PenAttributes pen = {2, rgb(0, 0, 200), 0})
{
    return {{a, b}, pen.penWidth, pen.penColour, pen.penStyle};
}

std::vector<Point> bases(const CChartElement& arrangement, size_t stitches)
{
    std::vector<Point> out;
    for (size_t i = 0; i < stitches; ++i)
        out.push_back(arrangement.child(i)->child(1)->points()[0]); // a double's stem starts at its base
    return out;
}

} // namespace

TEST(ArcArrangement, ClosedCircleSpacesStitchesEvenly)
{
    CArcArrangement arc;
    arc.setTemplate(templateOf(typeids::kDouble));
    arc.setCount(4);
    ASSERT_TRUE(arc.assignState(stateFor({200, 200}, {300, 200})));
    ASSERT_EQ(arc.childCount(), 4u);
    EXPECT_EQ(bases(arc, 4), (std::vector<Point>{{300, 200}, {200, 300}, {100, 200}, {200, 100}}));
    // Radial stitches reach 30 pixels beyond the circle.
    EXPECT_EQ(arc.child(0)->child(1)->points()[1], (Point{330, 200}));
}

TEST(ArcArrangement, OpenArcHasStitchesAtBothEnds)
{
    CArcArrangement arc;
    arc.setTemplate(templateOf(typeids::kDouble));
    arc.setCount(4);
    arc.setSweep(180);
    ASSERT_TRUE(arc.assignState(stateFor({200, 200}, {300, 200})));
    std::vector<Point> b = bases(arc, 4);
    for (size_t i = 0; i < 4; ++i) {
        double angle = std::atan2(b[i].y - 200.0, b[i].x - 200.0) * 180 / M_PI;
        if (angle < -1)
            angle += 360;
        EXPECT_NEAR(angle, 60.0 * double(i), 1.0) << i;
    }
    arc.setSweep(359.9);
    CArcArrangement almost;
    almost.setTemplate(templateOf(typeids::kDouble));
    almost.setCount(4);
    almost.setSweep(359.9);
    ASSERT_TRUE(almost.assignState(stateFor({200, 200}, {300, 200})));
    Point last = bases(almost, 4)[3];
    EXPECT_NEAR(std::atan2(last.y - 200.0, last.x - 200.0) * 180 / M_PI, -0.1, 1.0);
}

TEST(ArcArrangement, TangentialStitchesLieAcrossTheRadius)
{
    CArcArrangement arc;
    arc.setTemplate(templateOf(typeids::kDouble));
    arc.setCount(4);
    arc.setAlongArc(true);
    arc.setHeight(10);
    ASSERT_TRUE(arc.assignState(stateFor({200, 200}, {300, 200})));
    const auto& stem = arc.child(0)->child(1)->points();
    EXPECT_EQ(stem[0], (Point{300, 190}));
    EXPECT_EQ(stem[1], (Point{300, 210}));
}

TEST(RowArrangement, StandingRowPutsFirstAndLastOnTheEnds)
{
    CRowArrangement row;
    row.setTemplate(templateOf(typeids::kDouble));
    row.setCount(3);
    ASSERT_TRUE(row.assignState(stateFor({0, 100}, {100, 100})));
    ASSERT_EQ(row.childCount(), 3u);
    EXPECT_EQ(bases(row, 3), (std::vector<Point>{{0, 100}, {50, 100}, {100, 100}}));
    for (size_t i = 0; i < 3; ++i) {
        const auto& stem = row.child(i)->child(1)->points();
        EXPECT_EQ(stem[1], (Point{stem[0].x, 70})) << i; // 30 pixels above its base
    }
}

TEST(RowArrangement, RowAlongTheLinePutsStitchesEndToEnd)
{
    CRowArrangement row;
    row.setTemplate(templateOf(typeids::kChain));
    row.setCount(4);
    row.setAlongLine(true);
    ASSERT_TRUE(row.assignState(stateFor({0, 0}, {100, 0})));
    ASSERT_EQ(row.childCount(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(row.child(size_t(i))->points(), (std::vector<Point>{{25 * i, 0}, {25 * (i + 1), 0}}));
}

TEST(Arrangements, StitchesTakeThePlacementPen)
{
    CRowArrangement row;
    row.setTemplate(templateOf(typeids::kSingle));
    row.setCount(2);
    ASSERT_TRUE(row.assignState(stateFor({0, 0}, {50, 0}, {3, rgb(9, 8, 7), 0})));
    EXPECT_EQ(row.child(1)->child(0)->pen(), (PenAttributes{3, rgb(9, 8, 7), 0}));
}

TEST(LoopedArcArrangement, ChainLoopsFollowTheStitches)
{
    CLoopedArcArrangement arc;
    arc.setCount(4);
    arc.setLoopLength(2);
    ASSERT_TRUE(arc.assignState(stateFor({200, 200}, {300, 200})));
    ASSERT_EQ(arc.childCount(), 4u + 4u * 2u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(arc.child(i)->typeId(), typeids::kDouble);
    for (size_t i = 4; i < 12; ++i)
        EXPECT_EQ(arc.child(i)->typeId(), typeids::kChain);
    // The two chains of a loop join up.
    EXPECT_EQ(arc.child(4)->points()[1], arc.child(5)->points()[0]);
}

TEST(ChainRing, ClosesOnItself)
{
    CChainRing ring;
    ring.setCount(6);
    ring.setHeight(3.0);
    ASSERT_TRUE(ring.assignState(stateFor({100, 200}, {300, 200})));
    ASSERT_EQ(ring.childCount(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        auto* chain = static_cast<const CChainOval*>(ring.child(i));
        EXPECT_EQ(chain->ratio(), 3.0);
        EXPECT_EQ(chain->points()[1], ring.child((i + 1) % 6)->points()[0]);
    }
    EXPECT_EQ(ring.child(0)->points()[0], (Point{100, 200}));
}

TEST(ChainRing, FlatOrDamagedRatiosStayWithinTheSheet)
{
    // A ring of loop size 0, as a damaged or old file may carry it, and single
    // chains whose ratio is zero, negative or not finite: each is drawn and hit
    // within a frame of a few times its length, never across the whole sheet.
    for (double ratio : {0.0, -0.0, -3.0, 1e-9, double(NAN), -double(INFINITY), double(INFINITY)}) {
        CChainRing ring;
        ring.setCount(6);
        ring.setHeight(ratio);
        ASSERT_TRUE(ring.assignState(stateFor({250, 300}, {350, 300})));
        const Rect frame = ring.getBounds();
        EXPECT_GT(frame.left, -1000) << ratio;
        EXPECT_LT(frame.right, 1600) << ratio;
        EXPECT_GT(frame.top, -1000) << ratio;
        EXPECT_LT(frame.bottom, 1600) << ratio;
        HitInfo far;
        far.point = {300, 2500};
        EXPECT_EQ(ring.hitTest(far), nullptr) << ratio;

        CChainOval chain;
        chain.setRatio(ratio);
        ASSERT_TRUE(chain.assignState(stateFor({100, 100}, {140, 100})));
        const Rect own = chain.getBounds();
        EXPECT_LE(own.bottom - own.top, 2 * 10 * 40 + 20) << ratio;
        HitInfo below;
        below.point = {120, 1200};
        EXPECT_EQ(chain.hitTest(below), nullptr) << ratio;
    }
}

TEST(ChainRing, ALoopSizeOfZeroFromAnOlderEditorIsDrawnFramedAndHitAsItsChords)
{
    // Older editors' dialogs offered a loop size of 0 and drew such chains as
    // straight lines: a ring dragged across 100 pixels stays a ring of that size.
    for (int32_t count : {3, 5, 8}) {
        CPattraDoc doc;
        doc.setChartSize(400, 400);
        auto ring = std::make_unique<CChainRing>();
        ring->setCount(count);
        ring->setHeight(0);
        ASSERT_TRUE(ring->assignState(stateFor({150, 200}, {250, 200}, {2, colours::black, 0})));
        doc.canvas().appendChild(std::move(ring));
        // As a file carries it, byte for byte.
        const std::vector<uint8_t> saved = saveChartBytes(doc);
        ChartLoadResult loaded = loadChartBytes(saved);
        ASSERT_TRUE(loaded.document) << loaded.error;
        EXPECT_EQ(saveChartBytes(*loaded.document), saved);
        CChartElement& read = *loaded.document->canvas().child(0);
        EXPECT_EQ(static_cast<const CChainOval&>(*read.child(0)).ratio(), 0.0);
        // The frame keeps its margin of 5 around the chains' bounds, 5 around their pixels.
        const Rect frame = read.getBounds();
        EXPECT_GE(frame.left, 150 - 12) << count;
        EXPECT_LE(frame.right, 250 + 12) << count;
        EXPECT_GE(frame.top, 150 - 12) << count;
        EXPECT_LE(frame.bottom, 250 + 12) << count;
        for (Point far : {Point{20, 20}, Point{380, 200}, Point{200, 380}, Point{300, 300}}) {
            HitInfo hit;
            hit.point = far;
            EXPECT_EQ(read.hitTest(hit), nullptr) << count << ": " << far.x << "," << far.y;
        }
        // Every chain is the line between its ends: its pixels lie on it.
        const PixelBuffer sheet = renderSheet(*loaded.document);
        int inked = 0;
        for (int32_t y = 0; y < 400; ++y)
            for (int32_t x = 0; x < 400; ++x) {
                if (sheet.colourAt(x, y) != colours::black)
                    continue;
                ++inked;
                double nearest = 1e9;
                for (const auto& chain : read.children()) {
                    const Point a = chain->points()[0], b = chain->points()[1];
                    const double dx = b.x - a.x, dy = b.y - a.y;
                    const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
                    nearest = std::min(nearest, std::hypot(x - a.x - t * dx, y - a.y - t * dy));
                }
                ASSERT_LT(nearest, 3) << count << ": " << x << "," << y;
            }
        EXPECT_GT(inked, 200) << count;
    }
}

TEST(Arrangements, CountsThatCannotBeDividedAreRefused)
{
    CRowArrangement row;
    row.setTemplate(templateOf(typeids::kDouble));
    row.setCount(1);
    EXPECT_FALSE(row.assignState(stateFor({0, 0}, {100, 0})));
    row.setAlongLine(true);
    EXPECT_TRUE(row.assignState(stateFor({0, 0}, {100, 0})));
    CArcArrangement arc;
    arc.setTemplate(templateOf(typeids::kDouble));
    arc.setCount(1);
    arc.setSweep(90);
    EXPECT_FALSE(arc.assignState(stateFor({0, 0}, {100, 0})));
    CChainRing ring;
    ring.setCount(2);
    EXPECT_FALSE(ring.assignState(stateFor({0, 0}, {100, 0})));
    EXPECT_EQ(ring.childCount(), 0u);
    CArcArrangement noTemplate;
    EXPECT_FALSE(noTemplate.assignState(stateFor({0, 0}, {100, 0})));
}

TEST(Arrangements, TemplateIsSharedAndFreedWithItsLastUser)
{
    std::weak_ptr<const CChartElement> watch;
    {
        auto arc = std::make_unique<CArcArrangement>();
        StitchTemplate t = templateOf(typeids::kTreble);
        watch = t;
        arc->setTemplate(std::move(t));
        auto copy = CChartElement::cloneElement(*arc);
        EXPECT_EQ(static_cast<CArcArrangement&>(*copy).stitchTemplate().get(), arc->stitchTemplate().get());
        arc.reset();
        EXPECT_FALSE(watch.expired());
    }
    EXPECT_TRUE(watch.expired());
}

TEST(Arrangements, SavingAndLoadingKeepTheStitchesAndParameters)
{
    CPattraDoc doc;
    doc.setChartSize(600, 600);
    auto ring = std::make_unique<CChainRing>();
    ring->setCount(7);
    ASSERT_TRUE(ring->assignState(stateFor({100, 100}, {200, 150})));
    doc.canvas().appendChild(std::move(ring));
    auto arc = std::make_unique<CLoopedArcArrangement>();
    arc->setCount(5);
    arc->setSweep(200);
    arc->setLoopLength(3);
    arc->setTemplate(templateOf(typeids::kTreble));
    ASSERT_TRUE(arc->assignState(stateFor({300, 300}, {400, 320})));
    doc.canvas().appendChild(std::move(arc));
    auto row = std::make_unique<CRowArrangement>();
    row->setCount(4);
    row->setHeight(12.5);
    row->setTemplate(templateOf(typeids::kSlipStitch));
    ASSERT_TRUE(row->assignState(stateFor({50, 500}, {250, 520})));
    doc.canvas().appendChild(std::move(row));

    std::vector<uint8_t> bytes = saveChartBytes(doc);
    ChartLoadResult loaded = loadChartBytes(bytes);
    ASSERT_TRUE(loaded.document) << loaded.error;
    EXPECT_EQ(chartToJson(*loaded.document), chartToJson(doc));
    EXPECT_EQ(saveChartBytes(*loaded.document), bytes);
    // A chain ring records a chain as its repeated symbol.
    const auto& loadedRing = static_cast<const CChainRing&>(*loaded.document->canvas().child(0));
    EXPECT_EQ(loadedRing.stitchTemplate()->typeId(), typeids::kChain);
}

TEST(Arrangements, ChainRingEntriesOfOtherIdsAreChainRings)
{
    auto e = createElement(72);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->typeId(), typeids::kChainRing);
}
