// Invariants checked after every step of a long random editing session (a
// fixed seed, so a failure repeats):
// - every visible group-like element's handles are the four corners of its
//   children's bounds;
// - an element carries the selected flag exactly when it is in the selection;
// - at most one element carries the current flag, and it is the canvas's
//   current element;
// - no hidden element is selected, except cut ones that stay selected;
// - undoing a move, move of a handle, flip, delete, placement, cut or paste
//   gives back the saved chart bytes from before that command, as long as no
//   rotation, scaling, grouping or ungrouping (whose undo may move pixels or
//   reorder children) was undone in between.

#include "document/ChartFile.h"
#include "document/Clipboard.h"
#include "document/commands/DeleteCommand.h"
#include "document/commands/MoveCommands.h"
#include "document/commands/PlaceCommand.h"
#include "document/commands/TransformCommands.h"
#include "support/SmallChart.h"

#include <gtest/gtest.h>

#include <numbers>
#include <random>
#include <set>

using namespace loopora;

namespace {

enum class Kind { Exact, Inexact };

// What the session knows about each recorded command, parallel to the history.
struct Recorded {
    Kind kind;
    std::vector<uint8_t> before; // the chart bytes before its latest Do
    bool checkable;              // no inexact undo happened above it since
};

class RandomSession {
public:
    explicit RandomSession(uint32_t seed) : rng_(seed)
    {
        for (auto [prototype, type] : {std::pair{&line_, typeids::kLine}, {&rectangle_, typeids::kRectangle}}) {
            *prototype = createElement(type);
        }
    }

    void step()
    {
        switch (pick(17)) {
        case 0: case 1: place(); break;
        case 2: case 3: selectSomething(); break;
        case 4: move(); break;
        case 5: movePoint(); break;
        case 6: transformCurrent(); break;
        case 7: flip(); break;
        case 8: record(Kind::Exact, [&] { return run<CDeleteCommand>(canvas_, members()); }); break;
        case 9: record(Kind::Inexact, [&] { return canvas_.group(); }); break;
        case 10: record(Kind::Inexact, [&] { return canvas_.ungroup(); }); break;
        case 11: cut(); break;
        case 12: canvas_.copy(); break;
        case 13: record(Kind::Exact, [&] { return canvas_.paste(canvas_); }); break;
        case 14: case 15: undo(); break;
        default: redo(); break;
        }
        checkInvariants();
    }

    size_t exactUndosChecked() const { return exactUndosChecked_; }
    size_t recordedCommands() const { return recordedCommands_; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double between(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    Point somewhere() { return {pick(300), pick(200)}; }
    std::vector<CChartElement*> members() { return canvas_.selection().members(); }

    template <typename Command, typename... Args> bool run(Args&&... args)
    {
        return history().Execute(std::make_unique<Command>(std::forward<Args>(args)...));
    }
    CHistory& history() { return canvas_.history(); }

    // Runs one editing operation and keeps the session's record in step with
    // the history: a recorded command drops the redo tail, a refused one
    // changes nothing.
    template <typename Operation> void record(Kind kind, Operation operation)
    {
        const int32_t position = history().position();
        const size_t size = history().size();
        std::vector<uint8_t> before = saveChartBytes(*doc_);
        if (operation()) {
            ASSERT_EQ(history().position(), position + 1);
            recorded_.resize(size_t(position));
            recorded_.push_back({kind, std::move(before), true});
            ++recordedCommands_;
        } else {
            ASSERT_EQ(history().position(), position);
            ASSERT_EQ(history().size(), size);
        }
        ASSERT_EQ(recorded_.size(), history().size());
    }

    void place()
    {
        const CChartElement& prototype = pick(2) ? *line_ : *rectangle_;
        const Point a = somewhere();
        const Point b{a.x + 5 + pick(60), a.y + pick(60) - 30};
        record(Kind::Exact, [&] {
            return run<CPlaceCommand>(canvas_, prototype, std::vector<Point>{a, b}, PenAttributes{2, rgb(0, 0, 0), 0});
        });
    }

    // What the select tool does: a click on an element selects it (alone, or
    // added with Ctrl) and makes it current; a click on empty space clears both.
    void selectSomething()
    {
        std::vector<CChartElement*> visible;
        for (const auto& c : canvas_.children())
            if (c->isVisible())
                visible.push_back(c.get());
        if (visible.empty() || pick(6) == 0) {
            canvas_.select(nullptr, SelectMode::Replace);
            canvas_.clearCurrent(canvas_.current());
            return;
        }
        CChartElement* e = visible[size_t(pick(int(visible.size())))];
        if (!e->hasFlag(kSelected))
            canvas_.select(e, pick(2) ? SelectMode::Add : SelectMode::Replace);
        canvas_.setCurrent(e);
    }

    void move()
    {
        const double dx = between(-12, 12);
        const double dy = between(-12, 12);
        record(Kind::Exact, [&] { return run<CMoveCommand>(canvas_, members(), dx, dy); });
    }

    // The change tool drags a handle of a figure whose handles are its own geometry.
    void movePoint()
    {
        if (canvas_.selection().empty())
            return;
        CChartElement* e = members().front();
        if (e->hasFrameHandles())
            return;
        const double index = between(0, 2.5);
        record(Kind::Exact, [&] { return run<CMovePointCommand>(canvas_, *e, index, between(-9, 9), 3.5); });
    }

    void transformCurrent()
    {
        CChartElement* e = canvas_.current();
        if (!e)
            return;
        const Point centre = e->boundsCentre();
        if (pick(2)) {
            const double angle = between(-std::numbers::pi, std::numbers::pi);
            record(Kind::Inexact, [&] { return run<CRotateCommand>(canvas_, *e, centre, angle); });
        } else {
            static constexpr std::pair<double, double> kFactors[] = {{1.25, 0.8}, {0.8, 1.25}, {1.1, 1.1}, {0.9, 0.9}};
            const auto factors = kFactors[pick(4)];
            const double sx = factors.first;
            const double sy = factors.second;
            record(Kind::Inexact, [&] { return run<CScaleCommand>(canvas_, *e, centre, sx, sy); });
        }
    }

    void flip()
    {
        const Point axis = canvas_.current() ? canvas_.current()->boundsCorner() : somewhere();
        if (pick(2))
            record(Kind::Exact, [&] { return run<CFlipHorizontalCommand>(canvas_, members(), axis); });
        else
            record(Kind::Exact, [&] { return run<CFlipVerticalCommand>(canvas_, members(), axis); });
    }

    void cut()
    {
        const std::vector<CChartElement*> selected = members();
        record(Kind::Exact, [&] {
            if (!canvas_.cut())
                return false;
            everCut_.insert(selected.begin(), selected.end());
            return true;
        });
    }

    void undo()
    {
        const int32_t position = history().position();
        ASSERT_TRUE(history().Undo());
        if (position == 0)
            return;
        ASSERT_EQ(history().position(), position - 1);
        const Recorded& undone = recorded_[size_t(position - 1)];
        if (undone.kind == Kind::Inexact) {
            for (int32_t i = 0; i < position - 1; ++i)
                recorded_[size_t(i)].checkable = false;
        } else if (undone.checkable) {
            ASSERT_EQ(saveChartBytes(*doc_), undone.before) << "undo of command " << position - 1;
            ++exactUndosChecked_;
        }
    }

    void redo()
    {
        const int32_t position = history().position();
        std::vector<uint8_t> before = saveChartBytes(*doc_);
        ASSERT_TRUE(history().Redo());
        if (size_t(position) == recorded_.size())
            return;
        recorded_[size_t(position)].before = std::move(before);
        recorded_[size_t(position)].checkable = true;
    }

    void checkElement(const CChartElement& e, int& currentFlags)
    {
        if (e.hasFrameHandles() && e.isVisible()) {
            Rect r;
            for (const auto& c : e.children())
                r = CChartElement::accumulateBounds(r, c->getBounds());
            const std::vector<Point> frame{{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
            ASSERT_EQ(e.points(), frame) << test::elementPath(&e);
        }
        ASSERT_EQ(e.hasFlag(kSelected), canvas_.selection().contains(&e)) << test::elementPath(&e);
        if (e.hasFlag(kSelected) && !e.isVisible()) {
            ASSERT_TRUE(everCut_.count(&e)) << "hidden but selected: " << test::elementPath(&e);
        }
        if (e.hasFlag(kCurrent)) {
            ++currentFlags;
            ASSERT_EQ(canvas_.current(), &e);
        }
        for (const auto& c : e.children())
            checkElement(*c, currentFlags);
    }

    void checkInvariants()
    {
        int currentFlags = 0;
        for (const auto& c : canvas_.children())
            checkElement(*c, currentFlags);
        ASSERT_LE(currentFlags, 1);
        ASSERT_EQ(currentFlags, canvas_.current() ? 1 : 0);
        for (const CChartElement* member : canvas_.selection().members())
            ASSERT_TRUE(member->hasFlag(kSelected));
    }

    std::mt19937 rng_;
    std::unique_ptr<CPattraDoc> doc_ = std::make_unique<CPattraDoc>();
    CCanvas& canvas_ = doc_->canvas();
    std::unique_ptr<CChartElement> line_;
    std::unique_ptr<CChartElement> rectangle_;
    std::vector<Recorded> recorded_;
    std::set<const CChartElement*> everCut_;
    size_t exactUndosChecked_ = 0;
    size_t recordedCommands_ = 0;
};

} // namespace

TEST(HistoryRandom, LongSessionKeepsEveryInvariant)
{
    ElementClipboard::clear();
    RandomSession session(20240611);
    for (int i = 0; i < 4000; ++i) {
        session.step();
        if (testing::Test::HasFatalFailure()) {
            FAIL() << "at step " << i;
        }
    }
    // The run must really have exercised the undo checks.
    EXPECT_GT(session.recordedCommands(), 1000u);
    EXPECT_GT(session.exactUndosChecked(), 200u);
}
