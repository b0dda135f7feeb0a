// Counting a round out along the places of the round below, the way the
// reading words it (Instructions.cpp): a round travels the round below from
// where it starts, a row from the end the row below finished at. "Next st"
// is the next place after the last one used that is not a space (spaces are
// named, and a pattern goes on to them over the stitches between); "next
// sp" the next space; "same" the last place used; "sk" passes places over;
// "around" and "across" go on to the last place. A round starts at the
// first place of the round below, or at its first space when what comes
// first is worked into a space.

#include "pattern/WrittenPattern.h"

#include "elements/TypeIds.h"
#include "pattern/SymbolAnchors.h"

#include <algorithm>

namespace loopora::pattern {

int stitchesMadeBy(int32_t typeId)
{
    const ElementType* type = elementType(typeId);
    if (!type)
        return 0;
    const Role role = roleOf(*type);
    if (role != Role::Stitch && role != Role::Decrease && role != Role::Fan)
        return 0;
    const auto& tops = referenceAnchors(*type).tops;
    return int(std::count_if(tops.begin(), tops.end(), [](const TopAnchor& t) { return t.chains == 0; }));
}

namespace {

// The bases a symbol of the type is worked from.
int basesOf(int32_t typeId)
{
    const ElementType* type = elementType(typeId);
    return type ? std::max<int>(1, int(referenceAnchors(*type).bases.size())) : 1;
}

// A step's outcome: done, no place left for it, or refused with a message.
enum class Outcome : uint8_t { Done, NoPlace, Refused };

class RoundCounter {
public:
    RoundCounter(const PhraseBook& book, const LineSyntax& line, const std::vector<Place>& below, bool ring)
        : b_(book), line_(line), below_(below), ring_(ring), n_(int(below.size()))
    {
        out_.line = line.line;
        out_.number = line.number;
        out_.isRow = line.isRow;
    }

    std::optional<PlannedRound> count()
    {
        chooseStart();
        beginning();
        for (const PhraseItem& item : line_.items)
            if (run(item) != Outcome::Done)
                return std::nullopt;
        if (!join())
            return std::nullopt;
        finish();
        return std::move(out_);
    }

    const std::optional<PatternError>& error() const { return error_; }
    // The last place used, from the start (-1: none).
    int lastUsed() const { return lastUsed_; }

private:
    Outcome refuse(const std::string& word, std::string message)
    {
        if (!error_)
            error_ = PatternError{line_.line, word, std::move(message)};
        return Outcome::Refused;
    }
    Outcome noPlace(const PhraseStep& s)
    {
        refuse(s.text, s.noun == Noun::Space ? fill(b_, b_.noSpaceLeft, {{"n", std::to_string(s.spaceChains)}})
                                             : std::string(b_.noStitchLeft));
        return Outcome::NoPlace;
    }

    int ordinal(int position) const { return line_.isRow ? n_ - 1 - position : (start_ + position) % n_; }
    const Place& at(int position) const { return below_[size_t(ordinal(position))]; }

    // The first place from `from` on that the noun can be worked into.
    int nextPosition(Noun noun, int from) const
    {
        for (int p = std::max(from, 0); p < n_; ++p)
            if ((at(p).kind == PlaceKind::Space) == (noun == Noun::Space))
                return p;
        return -1;
    }

    static const PhraseStep* firstPlacing(const std::vector<PhraseItem>& items)
    {
        for (const PhraseItem& item : items) {
            if (item.repeat != RepeatKind::None) {
                if (const PhraseStep* s = firstPlacing(item.body))
                    return s;
                continue;
            }
            if (item.step.phrase != Phrase::Alone)
                return &item.step;
        }
        return nullptr;
    }

    void chooseStart()
    {
        if (line_.isRow || n_ == 0)
            return;
        const PhraseStep* first = firstPlacing(line_.items);
        if (!first || first->noun != Noun::Space)
            return;
        // A counted beginning chain stands in the space only when the
        // stitches after it go into that same space.
        if (line_.beginningCountsAs >= 0 && first->phrase != Phrase::Same)
            return;
        for (int p = 0; p < n_; ++p)
            if (below_[size_t(p)].kind == PlaceKind::Space) {
                start_ = p;
                return;
            }
    }

    void beginning()
    {
        if (line_.beginningChains <= 0)
            return;
        PlannedSymbol chain{PlannedKind::Beginning, typeids::kChain, line_.beginningChains, line_.beginningCountsAs >= 0,
                            {}, ring_, false, -1};
        if (chain.counted && n_ > 0) {
            chain.into = {ordinal(0)};
            lastUsed_ = 0;
        }
        out_.symbols.push_back(std::move(chain));
    }

    void addStitches(const PhraseStep& s, const std::vector<int>& into, bool inRing, bool between = false)
    {
        for (const MakeupPart& part : s.what) {
            if (part.typeId == typeids::kChain) {
                out_.symbols.push_back({PlannedKind::Chains, -1, part.count, false, {}, false, false, -1});
                continue;
            }
            for (int i = 0; i < part.count; ++i)
                out_.symbols.push_back({PlannedKind::Stitch, part.typeId, 0, false, into, inRing, between, -1});
        }
    }

    Outcome place(const PhraseStep& s, int position)
    {
        if (s.count > 1 && s.phrase == Phrase::Next) {
            // A decrease: one symbol over consecutive places.
            if (s.what.size() != 1 || s.what.front().count != 1 || basesOf(s.what.front().typeId) != s.count) {
                const ElementType* type = elementType(s.what.front().typeId);
                return refuse(s.text, fill(b_, b_.workedOver, {{"st", type ? abbreviationIn(b_, *type) : ""},
                                                               {"n", std::to_string(basesOf(s.what.front().typeId))}}));
            }
            if (position + s.count > n_)
                return noPlace(s);
            std::vector<int> into;
            for (int p = position; p < position + s.count; ++p)
                into.push_back(ordinal(p));
            addStitches(s, into, false);
            lastUsed_ = position + s.count - 1;
            return Outcome::Done;
        }
        if (s.what.size() == 1 && s.what.front().count == 1 && basesOf(s.what.front().typeId) > 1) {
            const ElementType* type = elementType(s.what.front().typeId);
            return refuse(s.text, fill(b_, b_.workedOver, {{"st", type ? abbreviationIn(b_, *type) : ""},
                                                           {"n", std::to_string(basesOf(s.what.front().typeId))}}));
        }
        addStitches(s, {ordinal(position)}, false);
        lastUsed_ = std::max(lastUsed_, position);
        return Outcome::Done;
    }

    Outcome next(const PhraseStep& s)
    {
        if (ring_ || n_ == 0)
            return noPlace(s);
        if (s.noun == Noun::Between) {
            const int p = lastUsed_ + 1;
            if (p + 1 >= n_)
                return noPlace(s);
            addStitches(s, {ordinal(p), ordinal(p + 1)}, false, true);
            lastUsed_ = p;
            return Outcome::Done;
        }
        const int p = s.count > 1 ? lastUsed_ + 1 : nextPosition(s.noun, lastUsed_ + 1);
        if (p < 0 || p >= n_)
            return noPlace(s);
        if (s.noun == Noun::Space && at(p).chains != s.spaceChains)
            return refuse(s.text, fill(b_, b_.noSpaceLeft, {{"n", std::to_string(s.spaceChains)}}));
        return place(s, p);
    }

    Outcome step(const PhraseStep& s)
    {
        switch (s.phrase) {
        case Phrase::Ring:
            if (!ring_)
                return refuse(s.text, std::string(b_.noRing));
            addStitches(s, {}, true);
            return Outcome::Done;
        case Phrase::Next: return next(s);
        case Phrase::NextRun: {
            PhraseStep one = s;
            one.phrase = Phrase::Next;
            one.count = 1;
            for (int i = 0; i < s.count; ++i)
                if (Outcome o = next(one); o != Outcome::Done)
                    return o;
            return Outcome::Done;
        }
        case Phrase::Same: {
            if (lastUsed_ < 0)
                return refuse(s.text, std::string(b_.nothingBefore));
            if (s.noun == Noun::Space && (at(lastUsed_).kind != PlaceKind::Space || at(lastUsed_).chains != s.spaceChains))
                return refuse(s.text, fill(b_, b_.noSpaceLeft, {{"n", std::to_string(s.spaceChains)}}));
            return place(s, lastUsed_);
        }
        case Phrase::EachToEnd: {
            PhraseStep one = s;
            one.phrase = Phrase::Next;
            bool any = false;
            while (nextPosition(s.noun, lastUsed_ + 1) >= 0) {
                if (Outcome o = next(one); o != Outcome::Done)
                    return o;
                any = true;
            }
            return any ? Outcome::Done : noPlace(s);
        }
        case Phrase::FromHook:
        case Phrase::FromHookAndEach: {
            if (ring_ || n_ == 0 || lastUsed_ >= s.count - 1 || s.count > n_)
                return noPlace(s);
            if (Outcome o = place(s, s.count - 1); o != Outcome::Done)
                return o;
            if (s.phrase == Phrase::FromHook)
                return Outcome::Done;
            PhraseStep each = s;
            each.phrase = Phrase::EachToEnd;
            each.noun = Noun::Chain;
            each.count = 1; // the ordinal was the first chain's
            return lastUsed_ + 1 < n_ ? step(each) : Outcome::Done;
        }
        case Phrase::Skipped: {
            for (auto p = skipped_.rbegin(); p != skipped_.rend(); ++p)
                if (std::find(reused_.begin(), reused_.end(), *p) == reused_.end()) {
                    reused_.push_back(*p);
                    addStitches(s, {ordinal(*p)}, false);
                    return Outcome::Done;
                }
            return refuse(s.text, std::string(b_.nothingSkipped));
        }
        case Phrase::Skip: {
            if (ring_ || n_ == 0)
                return noPlace(s);
            if (s.noun == Noun::Space) {
                const int p = nextPosition(Noun::Space, lastUsed_ + 1);
                if (p < 0)
                    return noPlace(s);
                skipped_.push_back(p);
                lastUsed_ = p;
                return Outcome::Done;
            }
            if (lastUsed_ + s.count >= n_)
                return noPlace(s);
            for (int i = 1; i <= s.count; ++i)
                skipped_.push_back(lastUsed_ + i);
            lastUsed_ += s.count;
            return Outcome::Done;
        }
        case Phrase::Alone: {
            const MakeupPart& part = s.what.front();
            if (part.typeId == typeids::kChain) {
                out_.symbols.push_back({PlannedKind::Chains, -1, part.count, false, {}, false, false, -1});
                return Outcome::Done;
            }
            out_.symbols.push_back({PlannedKind::Picot, part.typeId, 0, false, {}, false, false, lastWithTop()});
            return Outcome::Done;
        }
        }
        return Outcome::Done;
    }

    int lastWithTop() const
    {
        for (size_t i = out_.symbols.size(); i-- > 0;)
            if (out_.symbols[i].kind == PlannedKind::Stitch || out_.symbols[i].kind == PlannedKind::Beginning)
                return int(i);
        return -1;
    }

    Outcome run(const PhraseItem& item)
    {
        if (item.repeat == RepeatKind::None)
            return step(item.step);
        if (item.repeat == RepeatKind::Times) {
            for (int i = 0; i < item.times; ++i)
                for (const PhraseItem& inner : item.body)
                    if (Outcome o = run(inner); o != Outcome::Done)
                        return Outcome::Refused;
            return Outcome::Done;
        }
        if (ring_)
            return refuse(item.text, std::string(b_.endlessRepeat));
        // Around or across: again while the first step finds its place.
        for (int times = 0;; ++times) {
            const size_t symbols = out_.symbols.size();
            const int used = lastUsed_;
            const size_t skipped = skipped_.size();
            const std::optional<PatternError> before = error_;
            for (const PhraseItem& inner : item.body) {
                const Outcome o = run(inner);
                if (o == Outcome::Done)
                    continue;
                // Nothing left to begin another repeat on: the round is done.
                if (o == Outcome::NoPlace && times > 0 && lastUsed_ == used) {
                    out_.symbols.resize(symbols);
                    skipped_.resize(skipped);
                    error_ = before;
                    return Outcome::Done;
                }
                return Outcome::Refused;
            }
            if (lastUsed_ == used)
                return refuse(item.text, std::string(b_.endlessRepeat));
        }
    }

    bool join()
    {
        if (line_.join == JoinKind::None)
            return true;
        int host = -1;
        for (size_t i = 0; i < out_.symbols.size() && host < 0; ++i) {
            const PlannedKind kind = out_.symbols[i].kind;
            if (line_.join == JoinKind::ToBeginning ? kind == PlannedKind::Beginning
                                                    : kind == PlannedKind::Stitch && stitchesMadeBy(out_.symbols[i].typeId) > 0)
                host = int(i);
        }
        if (host < 0) {
            refuse({}, std::string(b_.nothingBefore));
            return false;
        }
        out_.symbols.push_back({PlannedKind::Join, typeids::kSlipStitch, 0, false, {}, false, false, host});
        return true;
    }

    // The uncounted beginning chain stands on the first stitch's place; the
    // places and the tally follow from the symbols.
    void finish()
    {
        std::vector<PlannedSymbol>& symbols = out_.symbols;
        for (size_t i = 0; i < symbols.size(); ++i)
            if (symbols[i].kind == PlannedKind::Beginning && !symbols[i].counted)
                for (const PlannedSymbol& s : symbols)
                    if (s.kind == PlannedKind::Stitch) {
                        symbols[i].into = s.into;
                        symbols[i].inRing = s.inRing;
                        break;
                    }
        const bool closes = !line_.isRow || line_.join != JoinKind::None;
        bool stitchBefore = false;
        for (size_t i = 0; i < symbols.size(); ++i) {
            const PlannedSymbol& s = symbols[i];
            switch (s.kind) {
            case PlannedKind::Beginning:
                if (s.counted) {
                    out_.places.push_back({PlaceKind::Stitch, int(i), 0, 0});
                    out_.tally.stitches[line_.beginningCountsAs] += 1;
                    out_.tally.total += 1;
                }
                stitchBefore = true;
                break;
            case PlannedKind::Stitch: {
                const int made = stitchesMadeBy(s.typeId);
                for (int t = 0; t < made; ++t)
                    out_.places.push_back({PlaceKind::Stitch, int(i), t, 0});
                if (made > 0) {
                    out_.tally.stitches[s.typeId] += made;
                    out_.tally.total += made;
                    stitchBefore = true;
                }
                break;
            }
            case PlannedKind::Chains: {
                // Chains from one stitch to another make a space.
                bool stitchAfter = false;
                for (size_t j = i + 1; j < symbols.size() && !stitchAfter; ++j)
                    stitchAfter = symbols[j].kind == PlannedKind::Stitch && stitchesMadeBy(symbols[j].typeId) > 0;
                if (stitchBefore && (stitchAfter || closes)) {
                    out_.places.push_back({PlaceKind::Space, int(i), 0, s.chains});
                    out_.tally.spaces[s.chains] += 1;
                }
                break;
            }
            default: break;
            }
        }
    }

    const PhraseBook& b_;
    const LineSyntax& line_;
    const std::vector<Place>& below_;
    bool ring_;
    int n_;
    int start_ = 0;
    int lastUsed_ = -1;
    std::vector<int> skipped_;
    std::vector<int> reused_;
    PlannedRound out_;
    std::optional<PatternError> error_;
};

std::string name(const PhraseBook& book, const LineSyntax& line) { return roundName(book, line.number, line.isRow); }

// The count the line gives against what the round makes.
std::optional<PatternError> checkCount(const PhraseBook& b, const LineSyntax& line, const RoundTally& made)
{
    if (!line.count)
        return std::nullopt;
    const RoundTally& said = *line.count;
    if (said.total != made.total)
        return PatternError{line.line, {},
                            fill(b, line.isRow ? b.rowMakesStitches : b.roundMakesStitches,
                                 {{"made", std::to_string(made.total)}, {"said", std::to_string(said.total)}})};
    if ((!said.stitches.empty() && said.stitches != made.stitches) || said.spaces != made.spaces)
        return PatternError{line.line, {},
                            fill(b, line.isRow ? b.rowMakes : b.roundMakes,
                                 {{"made", countText(b, made)}, {"said", countText(b, said)}})};
    return std::nullopt;
}

bool runsToTheEnd(const std::vector<PhraseItem>& items)
{
    for (const PhraseItem& item : items)
        if (item.repeat == RepeatKind::ToEnd || (item.repeat == RepeatKind::Times && runsToTheEnd(item.body)) ||
            (item.repeat == RepeatKind::None &&
             (item.step.phrase == Phrase::EachToEnd || item.step.phrase == Phrase::FromHookAndEach)))
            return true;
    return false;
}

// The shortest foundation chain the first row reaches the end of, with the
// count it gives when it gives one.
constexpr int kLongestFoundation = 1000;

std::optional<int> impliedChain(const PhraseBook& book, const LineSyntax& row, std::optional<PatternError>& error)
{
    if (runsToTheEnd(row.items) && !row.count) {
        error = PatternError{row.line, {}, std::string(book.noChainCount)};
        return std::nullopt;
    }
    std::optional<PatternError> first;
    for (int chains = 1; chains <= kLongestFoundation; ++chains) {
        std::vector<Place> below(size_t(chains), Place{PlaceKind::Chain, 0, 0, 0});
        for (size_t i = 0; i < below.size(); ++i)
            below[i].index = int(i);
        RoundCounter counter(book, row, below, false);
        std::optional<PlannedRound> round = counter.count();
        if (!round) {
            if (!first)
                first = counter.error();
            continue;
        }
        if (counter.lastUsed() == chains - 1 && !checkCount(book, row, round->tally))
            return chains;
    }
    error = first ? first : PatternError{row.line, {}, std::string(book.noChainCount)};
    return std::nullopt;
}

} // namespace

PatternRead countOut(const PatternSyntax& syntax, const PhraseBook& book)
{
    PatternRead read;
    if (syntax.error) {
        read.error = syntax.error;
        return read;
    }
    WrittenPattern pattern;
    size_t i = 0;
    const std::vector<LineSyntax>& lines = syntax.lines;
    if (i < lines.size() && lines[i].isFoundation) {
        pattern.foundation.kind = lines[i].foundation;
        pattern.foundation.magicRing = lines[i].magicRing;
        pattern.foundation.chains = lines[i].chains;
        ++i;
    }
    if (i == lines.size()) {
        read.error = PatternError{lines.empty() ? 1 : lines.back().line, {}, std::string(book.noRounds)};
        return read;
    }
    const bool rows = lines[i].isRow;
    if (pattern.foundation.kind == FoundationKind::None) {
        if (rows) {
            std::optional<int> chains = impliedChain(book, lines[i], read.error);
            if (!chains)
                return read;
            pattern.foundation = {FoundationKind::Chain, false, *chains, {}, {}};
        } else {
            pattern.foundation = {FoundationKind::Ring, true, 0, {}, {}};
        }
    }
    if (rows != (pattern.foundation.kind == FoundationKind::Chain)) {
        read.error = PatternError{lines[i].line, name(book, lines[i]), std::string(book.roundsFromRing)};
        return read;
    }
    std::vector<Place> below;
    if (rows)
        for (int c = 0; c < pattern.foundation.chains; ++c)
            below.push_back({PlaceKind::Chain, c, 0, 0});
    for (int number = 1; i < lines.size(); ++i, ++number) {
        const LineSyntax& line = lines[i];
        if (line.isFoundation || line.isRow != rows || line.number != number) {
            const std::string expected = roundName(book, number, rows);
            read.error = PatternError{line.line, line.isFoundation ? std::string() : name(book, line),
                                      fill(book, book.expectedName, {{"name", expected}})};
            if (line.isRow != rows && !line.isFoundation)
                read.error->message = std::string(book.mixedRoundsAndRows);
            return read;
        }
        RoundCounter counter(book, line, below, number == 1 && !rows);
        std::optional<PlannedRound> round = counter.count();
        if (!round) {
            read.error = counter.error();
            return read;
        }
        if (auto wrong = checkCount(book, line, round->tally)) {
            read.error = wrong;
            return read;
        }
        below = round->places;
        pattern.rounds.push_back(std::move(*round));
    }
    read.pattern = std::move(pattern);
    return read;
}

PatternRead readWrittenPattern(std::string_view text, const PhraseBook& book)
{
    return countOut(readPatternLines(text, book), book);
}

} // namespace loopora::pattern
