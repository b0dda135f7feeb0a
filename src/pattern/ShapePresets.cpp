// Each shape is written as the steps a reading of its chart gives (one step
// for every place of the round below), then worded by the same writer that
// words a chart, so that the text built into a chart reads back unchanged.

#include "pattern/ShapePresets.h"

#include "elements/TypeIds.h"
#include "pattern/PatternText.h"

#include <array>

namespace loopora::pattern {
namespace {

struct ShapeName {
    std::string_view name;
    Shape shape;
};
constexpr std::array kShapes{ShapeName{"circle", Shape::Circle}, ShapeName{"square", Shape::Square},
                             ShapeName{"hexagon", Shape::Hexagon}, ShapeName{"granny", Shape::Granny}};

struct StitchName {
    std::string_view name;
    int32_t typeId;
    int circleIncrease; // stitches a flat circle adds each round
};
constexpr std::array kStitches{StitchName{"sc", typeids::kSingle, 6}, StitchName{"hdc", typeids::kHalfDouble, 8},
                               StitchName{"dc", typeids::kDouble, 12}};

Instruction made(std::vector<MakeupPart> what, Where where, Noun noun = Noun::Stitch, int spaceChains = 0)
{
    Instruction s;
    s.what = std::move(what);
    s.where = where;
    s.noun = noun;
    s.spaceChains = spaceChains;
    return s;
}
Instruction chains(int n) { return made({{typeids::kChain, n}}, Where::Nowhere); }

struct Lines {
    const PhraseBook& book;
    std::string text;

    void round(int number, const RoundSteps& steps, const RoundTally& tally)
    {
        text += roundLine(book, number, false, steps, countText(book, tally)) + "\n";
    }
};

RoundTally tallyOf(int32_t stitch, int stitches, std::map<int, int> spaces = {})
{
    RoundTally t;
    t.stitches[stitch] = stitches;
    t.total = stitches;
    t.spaces = std::move(spaces);
    return t;
}

// A circle: round r (from 2) has an increase at the end of every repeat of
// r - 1 places, the even rounds' half a repeat earlier.
void circle(Lines& out, int32_t st, int increase, int rounds)
{
    RoundSteps first;
    first.steps = {made({{st, increase}}, Where::Ring)};
    out.round(1, first, tallyOf(st, increase));
    for (int r = 2; r <= rounds; ++r) {
        const int repeat = r - 1, places = increase * repeat;
        const int shift = r % 2 ? 0 : repeat / 2;
        RoundSteps steps;
        steps.placesBelow = places;
        steps.toEnd = true;
        for (int p = 0; p < places; ++p) {
            const bool increasing = (p + shift) % repeat == repeat - 1;
            steps.steps.push_back(made({{st, increasing ? 2 : 1}}, Where::Next));
        }
        out.round(r, steps, tallyOf(st, increase * r));
    }
}

// A square or a hexagon: the first round's stitches alternate side and
// corner; each corner takes three, the middle one the next round's corner.
void cornered(Lines& out, int32_t st, int corners, int rounds)
{
    std::vector<bool> corner;
    for (int i = 0; i < 2 * corners; ++i)
        corner.push_back(i % 2 == 1);
    RoundSteps first;
    first.steps = {made({{st, 2 * corners}}, Where::Ring)};
    out.round(1, first, tallyOf(st, 2 * corners));
    for (int r = 2; r <= rounds; ++r) {
        RoundSteps steps;
        steps.placesBelow = int(corner.size());
        steps.toEnd = true;
        std::vector<bool> next;
        for (bool c : corner) {
            steps.steps.push_back(made({{st, c ? 3 : 1}}, Where::Next));
            next.insert(next.end(), c ? std::initializer_list<bool>{false, true, false} : std::initializer_list<bool>{false});
        }
        corner = std::move(next);
        out.round(r, steps, tallyOf(st, int(corner.size())));
    }
}

// A granny square, worked round and round: the corners take two groups
// with ch 2 between, each side space one group, ch 1 between groups.
void granny(Lines& out, int rounds)
{
    const int32_t dc = typeids::kDouble;
    RoundSteps first;
    for (int i = 0; i < 4; ++i)
        first.steps.insert(first.steps.end(), {made({{dc, 3}}, Where::Ring), chains(2)});
    out.round(1, first, tallyOf(dc, 12, {{2, 4}}));
    for (int r = 2; r <= rounds; ++r) {
        RoundSteps steps;
        steps.toEnd = true;
        for (int c = 0; c < 4; ++c) {
            steps.steps.push_back(made({{dc, 3}, {typeids::kChain, 2}, {dc, 3}}, Where::Next, Noun::Space, 2));
            steps.steps.push_back(chains(1));
            for (int side = 0; side < r - 2; ++side)
                steps.steps.insert(steps.steps.end(), {made({{dc, 3}}, Where::Next, Noun::Space, 1), chains(1)});
        }
        out.round(r, steps, tallyOf(dc, 12 * r, {{1, 4 * (r - 1)}, {2, 4}}));
    }
}

} // namespace

std::optional<Shape> shapeNamed(std::string_view name)
{
    for (const ShapeName& s : kShapes)
        if (s.name == name)
            return s.shape;
    return std::nullopt;
}

std::optional<int32_t> shapeStitchNamed(std::string_view name)
{
    for (const StitchName& s : kStitches)
        if (s.name == name)
            return s.typeId;
    return std::nullopt;
}

int32_t usualStitchOf(Shape shape)
{
    return shape == Shape::Circle || shape == Shape::Square ? typeids::kSingle : typeids::kDouble;
}

std::string shapeText(const ShapeRequest& request, const PhraseBook& book)
{
    Lines out{book, foundationLine(book, {FoundationKind::Ring, true, 0, {}, {}}) + "\n"};
    const int rounds = std::clamp(request.rounds, 1, kMostShapeRounds);
    int32_t st = request.stitch;
    int increase = 0;
    for (const StitchName& s : kStitches)
        if (s.typeId == st)
            increase = s.circleIncrease;
    if (increase == 0) {
        st = usualStitchOf(request.shape);
        increase = st == typeids::kSingle ? 6 : 12;
    }
    switch (request.shape) {
    case Shape::Circle: circle(out, st, increase, rounds); break;
    case Shape::Square: cornered(out, st, 4, rounds); break;
    case Shape::Hexagon: cornered(out, st, 6, rounds); break;
    case Shape::Granny: granny(out, rounds); break;
    }
    return out.text;
}

} // namespace loopora::pattern
