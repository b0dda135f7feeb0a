// A round's symbols, in working order, become steps counted along the
// places of the round below: a round travels them the way it goes from its
// beginning, a row from the end the row below finished at. A stitch into
// the place after the last one used goes "in next st", into that same place
// "in same st"; places between are skipped aloud, except before a space,
// which a pattern names and goes to. Stitches made in one place with chains
// between them are one group; stitches in the ring one after another are
// one step.

#include "pattern/Instructions.h"

#include "elements/TypeIds.h"

#include <algorithm>

namespace loopora::pattern {
namespace {

Noun nounOf(IntoKind kind, bool between)
{
    if (between)
        return Noun::Between;
    switch (kind) {
    case IntoKind::Chain: return Noun::Chain;
    case IntoKind::Space: return Noun::Space;
    default: return Noun::Stitch;
    }
}

void appendParts(std::vector<MakeupPart>& to, const std::vector<MakeupPart>& parts)
{
    for (const MakeupPart& p : parts) {
        if (!to.empty() && to.back().typeId == p.typeId)
            to.back().count += p.count;
        else
            to.push_back(p);
    }
}

class StepWriter {
public:
    StepWriter(const PatternReading& reading, const Round& round) : reading_(reading), round_(round)
    {
        const int below = round.number - 1;
        placesBelow_ = below == 0 ? reading.foundation.chains * (reading.foundation.kind == FoundationKind::Chain)
                                  : int(reading.rounds[size_t(below - 1)].places.size());
        belowRound_ = below;
    }

    RoundSteps write()
    {
        RoundSteps out;
        out.placesBelow = placesBelow_;
        out.turn = round_.isRow;
        out.joined = round_.joined;
        size_t i = 0;
        const size_t end = round_.stitches.size() - (round_.joined ? 1 : 0);
        if (!round_.runs.empty() && round_.runs.front().kind == RunKind::Beginning && round_.runs.front().first == 0) {
            const ChainRun& run = round_.runs.front();
            out.beginningChains = run.chains;
            out.beginningCountsAs = run.countsAs;
            // A chain that counts as a stitch takes the place it stands on;
            // one that does not leaves it to the first stitch.
            if (run.countsAs >= 0 && !round_.stitches.front().into.empty()) {
                use(round_.stitches.front().into.front(), 1);
                firstIsSpace_ = round_.stitches.front().into.front().kind == IntoKind::Space;
            }
            i = size_t(run.symbols);
        }
        for (; i < end;) {
            const WorkedStitch& w = round_.stitches[i];
            if (w.chainRun >= 0) {
                const ChainRun& run = round_.runs[size_t(w.chainRun)];
                add({{{typeids::kChain, run.chains}}, Where::Nowhere});
                i += size_t(run.symbols);
                continue;
            }
            const ElementType* type = elementType(w.typeId);
            Instruction step;
            if (type)
                step.what = makeupOf(*type);
            place(w, step);
            add(std::move(step));
            ++i;
        }
        out.toEnd = !steps_.empty() && placesBelow_ > 0 && lastUsed_ == placesBelow_ - 1;
        // Places left at the end are passed over too, as "ch 1, sk next st"
        // ends a repeat; unless a round goes on to a space, which a pattern
        // names and goes to.
        if (!steps_.empty() && lastUsed_ >= 0 && lastUsed_ + 1 < placesBelow_ && !firstIsSpace_)
            skip(lastUsed_ + 1, placesBelow_);
        out.steps = std::move(steps_);
        return out;
    }

private:
    // Where the place stands in the order this round travels the round below.
    int positionOf(const Into& into) const
    {
        if (into.place < 0 || placesBelow_ == 0)
            return -1;
        if (round_.isRow)
            return placesBelow_ - 1 - into.place;
        if (start_ < 0)
            return 0;
        return ((into.place - start_) % placesBelow_ + placesBelow_) % placesBelow_;
    }

    void use(const Into& into, int places)
    {
        if (into.round != belowRound_ || into.place < 0)
            return;
        if (start_ < 0 && !round_.isRow)
            start_ = into.place;
        lastUsed_ = positionOf(into) + places - 1;
    }

    // Where a stitch goes, with the skip before it when it passes places over.
    void place(const WorkedStitch& w, Instruction& step)
    {
        if (w.into.empty() || w.into.front().kind == IntoKind::None) {
            step.where = Where::Nowhere;
            return;
        }
        const Into& first = w.into.front();
        if (first.kind == IntoKind::Ring) {
            step.where = Where::Ring;
            return;
        }
        step.noun = nounOf(first.kind, first.between);
        step.places = int(w.into.size());
        if (first.kind == IntoKind::Space && !first.between)
            step.spaceChains = spaceChains(first);
        if (first.round != belowRound_) {
            step.where = Where::Next;
            return;
        }
        if (start_ < 0 && !round_.isRow) {
            start_ = first.place;
            firstIsSpace_ = step.noun == Noun::Space;
        }
        const int at = positionOf(first);
        const int next = lastUsed_ + 1;
        if (round_.number == 1 && round_.isRow && steps_.empty() && lastUsed_ < 0) {
            step.where = Where::FromHook;
            step.ordinal = at + 1;
        } else if (at == lastUsed_) {
            step.where = Where::Same;
        } else if (at < lastUsed_) {
            step.where = std::find(skipped_.begin(), skipped_.end(), at) != skipped_.end() ? Where::Skipped : Where::Same;
        } else {
            if (at > next && step.noun != Noun::Space)
                skip(next, at);
            step.where = Where::Next;
        }
        if (at >= lastUsed_)
            lastUsed_ = at + step.places - 1;
        step.reached = lastUsed_;
    }

    int spaceChains(const Into& into) const
    {
        if (into.round <= 0 || into.place < 0)
            return 0;
        const Round& below = reading_.rounds[size_t(into.round - 1)];
        return into.place < int(below.places.size()) ? below.places[size_t(into.place)].chains : 0;
    }

    void skip(int from, int to)
    {
        Instruction s;
        s.where = Where::Skip;
        s.places = to - from;
        s.noun = belowRound_ == 0 ? Noun::Chain : Noun::Stitch;
        for (int p = from; p < to; ++p)
            skipped_.push_back(p);
        s.reached = to - 1;
        steps_.push_back(std::move(s));
    }

    // Stitches in one place with chains between them make one group; so do
    // stitches one after another in the ring.
    void add(Instruction step)
    {
        if (step.where == Where::Same && !steps_.empty()) {
            size_t host = steps_.size() - 1;
            while (host > 0 && steps_[host].where == Where::Nowhere && isChains(steps_[host]))
                --host;
            if (steps_[host].where != Where::Nowhere && steps_[host].where != Where::Skip &&
                steps_[host].where != Where::Ring) {
                for (size_t k = host + 1; k < steps_.size(); ++k)
                    appendParts(steps_[host].what, steps_[k].what);
                appendParts(steps_[host].what, step.what);
                steps_.resize(host + 1);
                return;
            }
        }
        if (step.where == Where::Ring && !steps_.empty() && steps_.back().where == Where::Ring) {
            appendParts(steps_.back().what, step.what);
            return;
        }
        steps_.push_back(std::move(step));
    }

    static bool isChains(const Instruction& s) { return s.what.size() == 1 && s.what.front().typeId == typeids::kChain; }

    const PatternReading& reading_;
    const Round& round_;
    int placesBelow_ = 0;
    int belowRound_ = 0;
    int start_ = -1;
    int lastUsed_ = -1;
    bool firstIsSpace_ = false;
    std::vector<int> skipped_;
    std::vector<Instruction> steps_;
};

} // namespace

RoundSteps stepsOf(const PatternReading& reading, int number)
{
    if (number < 1 || number > int(reading.rounds.size()))
        return {};
    return StepWriter(reading, reading.rounds[size_t(number - 1)]).write();
}

} // namespace loopora::pattern
