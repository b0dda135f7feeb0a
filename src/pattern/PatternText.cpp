// The wording: each round's steps (Instructions.h) put into a phrase book's
// templates. A round that repeats one part is written as the repeat ("*2 dc
// in next st, dc in next st; rep from * around"), a round of one step in
// every stitch as "in each st around"; the same step in neighbouring
// stitches is one ("dc in next 3 sts").

#include "pattern/PatternText.h"

#include "elements/TypeIds.h"
#include "pattern/Instructions.h"
#include "pattern/PhraseMatch.h"

#include <algorithm>
#include <map>

namespace loopora::pattern {
namespace {

std::string number(int n) { return std::to_string(n); }

std::string joined(const PhraseBook& book, const std::vector<std::string>& parts)
{
    std::string out;
    for (const std::string& p : parts) {
        if (!out.empty())
            out.append(book.listSeparator);
        out += p;
    }
    return out;
}

class Wording {
public:
    explicit Wording(const PhraseBook& book) : b_(book) {}

    std::string abbreviation(int32_t typeId) const
    {
        const ElementType* type = elementType(typeId);
        return type ? abbreviationIn(b_, *type) : std::string();
    }

    std::string part(const MakeupPart& p, bool alone) const
    {
        if (p.typeId == typeids::kChain)
            return fill(b_, b_.chains, {{"n", number(p.count)}});
        const std::string st = abbreviation(p.typeId);
        if (p.count == 1)
            return alone ? fill(b_, b_.one, {{"st", st}}) : st;
        return fill(b_, b_.several, {{"n", number(p.count)}, {"st", st}});
    }

    std::string what(const std::vector<MakeupPart>& parts) const
    {
        if (parts.size() == 1)
            return part(parts.front(), true);
        std::vector<std::string> list;
        for (const MakeupPart& p : parts)
            list.push_back(part(p, false));
        return fill(b_, b_.group, {{"list", joined(b_, list)}});
    }

    std::string space(int chains) const { return fill(b_, b_.space, {{"n", number(chains)}}); }

    // One step; `run` neighbouring places alike.
    std::string step(const Instruction& s, int run = 1) const
    {
        const std::string w = what(s.what);
        const bool single = s.what.size() == 1 && s.what.front().count == 1;
        switch (s.where) {
        case Where::Nowhere: return fill(b_, b_.alone, {{"what", w}});
        case Where::Ring: return fill(b_, b_.inRing, {{"what", w}});
        case Where::Skipped: return fill(b_, b_.inSkippedSt, {{"what", w}});
        case Where::FromHook: return fill(b_, b_.fromHook, {{"what", w}, {"nth", b_.ordinal(s.ordinal)}});
        case Where::Skip:
            if (s.noun == Noun::Chain)
                return s.places == 1 ? std::string(b_.skipCh) : fill(b_, b_.skipChs, {{"n", number(s.places)}});
            return s.places == 1 ? std::string(b_.skipSt) : fill(b_, b_.skipSts, {{"n", number(s.places)}});
        case Where::Same:
            if (s.noun == Noun::Chain)
                return fill(b_, b_.inSameCh, {{"what", w}});
            if (s.noun == Noun::Space)
                return fill(b_, b_.inSameSp, {{"what", w}, {"sp", space(s.spaceChains)}});
            return fill(b_, b_.inSameSt, {{"what", w}});
        case Where::Next: break;
        }
        if (s.noun == Noun::Space)
            return fill(b_, b_.inNextSp, {{"what", w}, {"sp", space(s.spaceChains)}});
        if (s.noun == Noun::Between)
            return fill(b_, b_.inNextSpBetween, {{"what", w}});
        if (s.places > 1)
            return fill(b_, b_.overNextSts, {{"what", w}, {"n", number(s.places)}});
        const bool chain = s.noun == Noun::Chain;
        if (run > 1) {
            std::string_view pattern = single ? (chain ? b_.inNextChs : b_.inNextSts)
                                              : (chain ? b_.inEachOfNextChs : b_.inEachOfNextSts);
            return fill(b_, pattern, {{"what", w}, {"n", number(run)}});
        }
        return fill(b_, chain ? b_.inNextCh : b_.inNextSt, {{"what", w}});
    }

    static bool runs(const Instruction& s)
    {
        return s.where == Where::Next && s.places == 1 && (s.noun == Noun::Stitch || s.noun == Noun::Chain);
    }

    // Steps in order, the same step in neighbouring places as one.
    std::vector<std::string> list(const std::vector<Instruction>& steps, size_t from, size_t to) const
    {
        std::vector<std::string> out;
        for (size_t i = from; i < to;) {
            size_t j = i + 1;
            if (runs(steps[i]))
                while (j < to && steps[j] == steps[i])
                    ++j;
            out.push_back(step(steps[i], int(j - i)));
            i = j;
        }
        return out;
    }

    std::vector<std::string> body(const RoundSteps& r, bool row) const;

private:
    const PhraseBook& b_;
};

struct Repeat {
    size_t before = 0, period = 0, times = 0, after = 0;
};

// The longest stretch of steps that is one part repeated, with at most a
// few steps before and after it.
Repeat findRepeat(const std::vector<Instruction>& steps)
{
    Repeat best;
    const size_t n = steps.size();
    for (size_t a = 0; a <= std::min<size_t>(3, n); ++a)
        for (size_t b = 0; a + b <= n && b <= 3; ++b) {
            const size_t length = n - a - b;
            for (size_t p = 1; p * 2 <= length; ++p) {
                if (length % p != 0)
                    continue;
                bool repeats = true;
                for (size_t i = p; i < length && repeats; ++i)
                    repeats = steps[a + i] == steps[a + i % p];
                if (!repeats)
                    continue;
                const auto better = [&](const Repeat& r) {
                    return std::make_tuple(r.period * r.times, -int(r.period), -int(r.before + r.after));
                };
                const Repeat candidate{a, p, length / p, b};
                if (best.times == 0 || better(candidate) > better(best))
                    best = candidate;
                break;
            }
        }
    return best;
}

std::vector<std::string> Wording::body(const RoundSteps& r, bool row) const
{
    const std::vector<Instruction>& steps = r.steps;
    const size_t n = steps.size();
    if (n == 0)
        return {};
    // Row 1: "sc in 2nd ch from hook and in each ch across".
    if (steps.front().where == Where::FromHook && n >= 2 && r.toEnd) {
        Instruction each = steps.front();
        each.where = Where::Next;
        each.noun = Noun::Chain;
        each.ordinal = 0;
        if (std::all_of(steps.begin() + 1, steps.end(), [&](const Instruction& s) { return s == each; }))
            return {fill(b_, b_.fromHookAndEach, {{"what", what(steps.front().what)}, {"nth", b_.ordinal(steps.front().ordinal)}})};
    }
    const Repeat rep = findRepeat(steps);
    // One step to the end: "in each st around", "in each ch-2 sp around", or
    // that step repeated; the same step in a few neighbours is a run instead.
    const bool toTheEnd = rep.period == 1 && rep.after == 0 && rep.times >= 2;
    if (rep.times >= 2 && (rep.period >= 2 || toTheEnd)) {
        std::vector<std::string> out = list(steps, 0, rep.before);
        const Instruction& one = steps[rep.before];
        if (toTheEnd && runs(one) && r.toEnd) {
            const bool chain = one.noun == Noun::Chain;
            std::string_view each = chain ? b_.inEachChAcross : row ? b_.inEachStAcross : b_.inEachStAround;
            out.push_back(fill(b_, each, {{"what", what(one.what)}}));
            return out;
        }
        if (toTheEnd && one.where == Where::Next && one.noun == Noun::Space) {
            out.push_back(fill(b_, row ? b_.inEachSpAcross : b_.inEachSpAround,
                               {{"what", what(one.what)}, {"sp", space(one.spaceChains)}}));
            return out;
        }
        if (toTheEnd && runs(one))
            return list(steps, 0, n);
        const std::string unit = joined(b_, list(steps, rep.before, rep.before + rep.period));
        // A repeat in the ring has no round below to go round: it says how often.
        if (rep.after == 0 && one.where != Where::Ring) {
            out.push_back(fill(b_, row ? b_.repeatAcross : b_.repeatAround, {{"body", unit}}));
        } else {
            out.push_back(fill(b_, b_.repeatMore, {{"body", unit}, {"n", number(int(rep.times) - 1)}}));
            for (std::string& s : list(steps, n - rep.after, n))
                out.push_back(std::move(s));
        }
        return out;
    }
    return list(steps, 0, n);
}

} // namespace

std::string foundationLine(const PhraseBook& b, const Foundation& f)
{
    switch (f.kind) {
    case FoundationKind::Ring:
        return f.magicRing ? std::string(b.magicRing) : fill(b, b.chainRing, {{"n", number(f.chains)}});
    case FoundationKind::Chain: return fill(b, b.foundationChain, {{"n", number(f.chains)}});
    case FoundationKind::None: break;
    }
    return {};
}

std::string roundName(const PhraseBook& book, const Round& round) { return roundName(book, round.number, round.isRow); }

std::string roundName(const PhraseBook& book, int n, bool isRow)
{
    return fill(book, isRow ? book.rowName : book.roundName, {{"n", number(n)}});
}

std::string roundLine(const PhraseBook& b, int n, bool isRow, const RoundSteps& r, const std::string& count)
{
    const Wording words(b);
    std::vector<std::string> parts;
    if (r.beginningChains > 0) {
        if (r.beginningCountsAs >= 0)
            parts.push_back(fill(b, b.beginningCounted,
                                 {{"n", number(r.beginningChains)}, {"st", words.abbreviation(r.beginningCountsAs)}}));
        else
            parts.push_back(fill(b, b.beginning, {{"n", number(r.beginningChains)}}));
    }
    for (std::string& s : words.body(r, isRow))
        parts.push_back(std::move(s));
    if (r.joined)
        parts.push_back(r.beginningChains > 0
                            ? fill(b, b.joinToBeginning, {{"n", number(r.beginningChains)}, {"nth", b.ordinal(r.beginningChains)}})
                            : std::string(b.joinToFirst));
    if (r.turn)
        parts.push_back(std::string(b.turn));
    std::string body = joined(b, parts);
    if (b.capitalise)
        capitaliseFirst(body);
    // A sentence that ends in an abbreviation has its full stop already.
    const std::string sentence = body.ends_with('.') ? body : fill(b, b.sentence, {{"body", body}});
    std::string line = fill(b, b.label, {{"name", roundName(b, n, isRow)}, {"body", sentence}});
    return count.empty() ? line : fill(b, b.withCount, {{"line", line}, {"list", count}});
}

RoundTally tallyOf(const Round& round)
{
    RoundTally t;
    std::map<int32_t, int>& stitches = t.stitches;
    std::map<int, int>& spaces = t.spaces;
    int& total = t.total;
    for (const WorkedStitch& w : round.stitches) {
        const ElementType* type = elementType(w.typeId);
        if (w.chainRun >= 0) {
            const ChainRun& run = round.runs[size_t(w.chainRun)];
            if (run.first != int(&w - round.stitches.data()))
                continue;
            if (run.kind == RunKind::Space)
                ++spaces[run.chains];
            if (run.countsAs >= 0) {
                ++stitches[run.countsAs];
                ++total;
            }
            continue;
        }
        if (!type || w.makes == 0)
            continue;
        if (w.role != Role::Fan) {
            stitches[w.typeId] += w.makes;
            total += w.makes;
            continue;
        }
        for (const MakeupPart& p : makeupOf(*type)) {
            if (p.typeId == typeids::kChain)
                ++spaces[p.count];
            else
                stitches[p.typeId] += p.count, total += p.count;
        }
    }
    return t;
}

std::string countText(const PhraseBook& book, const RoundTally& t)
{
    const std::map<int32_t, int>& stitches = t.stitches;
    const int total = t.total;
    std::vector<std::string> list;
    if (stitches.size() == 1) {
        const ElementType* type = elementType(stitches.begin()->first);
        list.push_back(fill(book, book.countOfOne, {{"n", number(total)}, {"st", type ? abbreviationIn(book, *type) : ""}}));
    } else if (total > 0) {
        list.push_back(fill(book, book.countOfMixed, {{"n", number(total)}}));
    }
    for (const auto& [chains, count] : t.spaces)
        list.push_back(fill(book, book.countOfSpaces, {{"n", number(count)}, {"k", number(chains)}}));
    return joined(book, list);
}

std::string PatternText::written() const
{
    std::string out;
    if (!foundation.empty())
        out += foundation + "\n";
    for (const std::string& line : rounds)
        out += line + "\n";
    return out;
}

PatternText writePattern(const PatternReading& reading, const PhraseBook& book)
{
    PatternText text;
    text.foundation = foundationLine(book, reading.foundation);
    for (const Round& round : reading.rounds)
        text.rounds.push_back(roundLine(book, round.number, round.isRow, stepsOf(reading, round.number), countOf(book, round)));
    return text;
}

std::string pathText(const ElementPath& path)
{
    std::string out = "[";
    for (size_t i = 0; i < path.size(); ++i)
        out += (i ? ", " : "") + std::to_string(path[i]);
    return out + "]";
}

std::string checkText(const PatternReading& reading, const PhraseBook& book)
{
    std::string out;
    for (const Round& round : reading.rounds)
        out += fill(book, book.checkRound,
                    {{"name", roundName(book, round)},
                     {"made", number(round.makes)},
                     {"worked", number(round.workedInto)},
                     {"skipped", number(round.skipped)}}) +
               "\n";
    for (const Warning& w : reading.warnings) {
        const std::string message(messageOf(book, w.kind));
        if (w.round > 0 && w.round <= int(reading.rounds.size()) && w.index >= 0)
            out += fill(book, book.warningInRound,
                        {{"name", roundName(book, reading.rounds[size_t(w.round - 1)])},
                         {"i", number(w.index + 1)},
                         {"path", pathText(w.path)},
                         {"message", message}});
        else
            out += fill(book, book.warningAlone, {{"path", pathText(w.path)}, {"message", message}});
        out += "\n";
    }
    return out;
}

} // namespace loopora::pattern
