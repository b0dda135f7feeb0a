// Each line is tried against the templates that may write it, outermost
// first: a foundation line whole; else the label ("Rnd 2: ..."), the count
// at the end, the full stop, then the body's list of steps, of which the
// first may be the beginning chain and the last the join and the turn. A
// step is tried against every template that places stitches; its slots
// must read as what they stand for: stitches the book has abbreviations
// for, numbers, spaces, ordinals. Where nothing fits, the message names the
// word that is no stitch when one template fitted but for it, else the
// whole step.

#include "pattern/PatternLines.h"

#include "elements/TypeIds.h"
#include "pattern/PhraseMatch.h"
#include "pattern/SymbolAnchors.h"

#include <array>
#include <map>
#include <memory>

namespace loopora::pattern {
namespace {

// The stitches a book's abbreviations name: every symbol worked as one
// stitch or over several, slip stitches and picots; fans are written as
// what they are made of, chains by their own phrase. Where two symbols share
// an abbreviation the first in the type table stands for both.
using Abbreviations = std::map<std::string, int32_t, std::less<>>;

const Abbreviations& abbreviationsOf(const PhraseBook& book)
{
    static std::array<std::unique_ptr<Abbreviations>, 3> cache;
    const size_t slot = book.names == Language::Russian ? 2 : book.swaps.empty() ? 0 : 1;
    if (!cache[slot]) {
        auto made = std::make_unique<Abbreviations>();
        for (const ElementType& type : elementTypes()) {
            const Role role = roleOf(type);
            if (role != Role::Stitch && role != Role::Decrease && role != Role::SlipStitch && role != Role::Picot)
                continue;
            const std::string abbreviation = abbreviationIn(book, type);
            if (!abbreviation.empty())
                made->emplace(abbreviation, type.id);
        }
        cache[slot] = std::move(made);
    }
    return *cache[slot];
}

struct StepTemplate {
    std::string_view PhraseBook::* pattern;
    Phrase phrase;
    Noun noun;
    int count = 1;
};

constexpr StepTemplate kSteps[] = {
    {&PhraseBook::inRing, Phrase::Ring, Noun::Stitch},
    {&PhraseBook::inNextSt, Phrase::Next, Noun::Stitch},
    {&PhraseBook::inSameSt, Phrase::Same, Noun::Stitch},
    {&PhraseBook::inNextSts, Phrase::NextRun, Noun::Stitch},
    {&PhraseBook::inEachOfNextSts, Phrase::NextRun, Noun::Stitch},
    {&PhraseBook::inEachStAround, Phrase::EachToEnd, Noun::Stitch},
    {&PhraseBook::inEachStAcross, Phrase::EachToEnd, Noun::Stitch},
    {&PhraseBook::overNextSts, Phrase::Next, Noun::Stitch},
    {&PhraseBook::inNextSp, Phrase::Next, Noun::Space},
    {&PhraseBook::inSameSp, Phrase::Same, Noun::Space},
    {&PhraseBook::inEachSpAround, Phrase::EachToEnd, Noun::Space},
    {&PhraseBook::inEachSpAcross, Phrase::EachToEnd, Noun::Space},
    {&PhraseBook::inNextSpBetween, Phrase::Next, Noun::Between},
    {&PhraseBook::inNextCh, Phrase::Next, Noun::Chain},
    {&PhraseBook::inSameCh, Phrase::Same, Noun::Chain},
    {&PhraseBook::inNextChs, Phrase::NextRun, Noun::Chain},
    {&PhraseBook::inEachOfNextChs, Phrase::NextRun, Noun::Chain},
    {&PhraseBook::inEachChAcross, Phrase::EachToEnd, Noun::Chain},
    {&PhraseBook::fromHookAndEach, Phrase::FromHookAndEach, Noun::Chain},
    {&PhraseBook::fromHook, Phrase::FromHook, Noun::Chain},
    {&PhraseBook::inSkippedSt, Phrase::Skipped, Noun::Stitch},
    {&PhraseBook::skipSt, Phrase::Skip, Noun::Stitch},
    {&PhraseBook::skipSts, Phrase::Skip, Noun::Stitch},
    {&PhraseBook::skipCh, Phrase::Skip, Noun::Chain},
    {&PhraseBook::skipChs, Phrase::Skip, Noun::Chain},
    {&PhraseBook::skipSp, Phrase::Skip, Noun::Space},
    {&PhraseBook::alone, Phrase::Alone, Noun::Stitch},
};

// The text from the first part's start to the last part's end.
std::string_view spanOf(std::string_view first, std::string_view last)
{
    return {first.data(), size_t(last.data() + last.size() - first.data())};
}

class LineReader {
public:
    LineReader(const PhraseBook& book, int line) : b_(book), stitches_(abbreviationsOf(book)), line_(line) {}

    std::optional<LineSyntax> read(std::string_view text);
    const std::optional<PatternError>& error() const { return error_; }

private:
    void fail(std::string word, std::string message)
    {
        if (!error_)
            error_ = PatternError{line_, std::move(word), std::move(message)};
    }

    int32_t stitch(std::string_view word)
    {
        const auto at = stitches_.find(word);
        if (at != stitches_.end())
            return at->second;
        if (noting_ && unknown_.empty())
            unknown_ = std::string(word);
        return -1;
    }

    bool chains(std::string_view text, std::vector<MakeupPart>& out)
    {
        return matchPhrase(b_.chains, text, [&](const FilledSlots& s) {
            const int n = wholeNumber(s["n"]);
            if (n < 1)
                return false;
            out.push_back({typeids::kChain, n});
            return true;
        });
    }

    // "{n} {st}" or "{st}": count stitches of one type.
    bool stitches(std::string_view text, std::vector<MakeupPart>& out, bool bare)
    {
        if (matchPhrase(b_.several, text, [&](const FilledSlots& s) {
                const int n = wholeNumber(s["n"]);
                const int32_t type = n >= 1 ? stitch(s["st"]) : -1;
                if (type >= 0)
                    out.push_back({type, n});
                return type >= 0;
            }))
            return true;
        for (std::string_view pattern : {bare ? std::string_view("{st}") : b_.one, b_.picot})
            if (matchPhrase(pattern, text, [&](const FilledSlots& s) {
                    const int32_t type = stitch(s["st"]);
                    if (type >= 0)
                        out.push_back({type, 1});
                    return type >= 0;
                }))
                return true;
        return false;
    }

    // What a step makes: stitches of one type, a group, or chains.
    std::optional<std::vector<MakeupPart>> what(std::string_view text)
    {
        std::vector<MakeupPart> parts;
        if (chains(text, parts) || stitches(text, parts, false))
            return parts;
        bool read = matchPhrase(b_.group, text, [&](const FilledSlots& s) {
            parts.clear();
            for (std::string_view item : splitList(b_, s["list"]))
                if (!chains(item, parts) && !stitches(item, parts, true))
                    return false;
            return !parts.empty();
        });
        if (!read)
            return std::nullopt;
        return parts;
    }

    int spaceChains(std::string_view text)
    {
        int chains = -1;
        matchPhrase(b_.space, text, [&](const FilledSlots& s) {
            chains = wholeNumber(s["n"]);
            return chains >= 1;
        });
        return chains;
    }

    static bool makesStitches(const std::vector<MakeupPart>& parts)
    {
        for (const MakeupPart& p : parts)
            if (p.typeId != typeids::kChain)
                return true;
        return false;
    }

    bool stepWith(const StepTemplate& t, std::string_view text, PhraseStep& out)
    {
        const bool alone = t.phrase == Phrase::Alone;
        noting_ = !alone;
        return matchPhrase(b_.*t.pattern, text, [&](const FilledSlots& s) {
            PhraseStep step{t.phrase, {}, t.noun, t.count, 0, std::string(text)};
            if (!s["what"].empty()) {
                auto parts = what(s["what"]);
                if (!parts)
                    return false;
                // Alone: chains between stitches, or a picot on the stitch before.
                const bool picot = parts->size() == 1 && roleOf(*elementType(parts->front().typeId)) == Role::Picot;
                if (alone ? makesStitches(*parts) && !picot : !makesStitches(*parts))
                    return false;
                step.what = std::move(*parts);
            }
            if (!s["n"].empty() && (step.count = wholeNumber(s["n"])) < 1)
                return false;
            if (!s["sp"].empty() && (step.spaceChains = spaceChains(s["sp"])) < 1)
                return false;
            if (!s["nth"].empty() && (step.count = ordinalValue(b_, s["nth"])) < 1)
                return false;
            out = std::move(step);
            return true;
        });
    }

    std::optional<PhraseStep> step(std::string_view text)
    {
        PhraseStep out;
        for (const StepTemplate& t : kSteps)
            if (stepWith(t, text, out))
                return out;
        return std::nullopt;
    }

    // The parts from..to as steps and repeats.
    std::optional<std::vector<PhraseItem>> items(const std::vector<std::string_view>& parts, size_t from, size_t to);
    std::optional<PhraseItem> repeatAt(const std::vector<std::string_view>& parts, size_t from, size_t& end);
    std::optional<RoundTally> count(std::string_view text);
    bool body(std::string_view text, LineSyntax& out);
    bool foundation(std::string_view text, LineSyntax& out);

    const PhraseBook& b_;
    const Abbreviations& stitches_;
    int line_;
    std::optional<PatternError> error_;
    // A word a template fitted around that is no stitch: the likeliest culprit.
    bool noting_ = false;
    std::string unknown_;
};

std::optional<PhraseItem> LineReader::repeatAt(const std::vector<std::string_view>& parts, size_t from, size_t& end)
{
    struct Kind {
        std::string_view PhraseBook::* pattern;
        RepeatKind kind;
    };
    constexpr Kind kRepeats[] = {{&PhraseBook::repeatAround, RepeatKind::ToEnd},
                                 {&PhraseBook::repeatAcross, RepeatKind::ToEnd},
                                 {&PhraseBook::repeatMore, RepeatKind::Times}};
    for (end = from; end < parts.size(); ++end) {
        const std::string_view text = spanOf(parts[from], parts[end]);
        for (const Kind& k : kRepeats) {
            PhraseItem item;
            const bool read = matchPhrase(b_.*k.pattern, text, [&](const FilledSlots& s) {
                const std::vector<std::string_view> inner = splitList(b_, s["body"]);
                auto body = items(inner, 0, inner.size());
                if (!body)
                    return false;
                item.body = std::move(*body);
                item.repeat = k.kind;
                if (k.kind == RepeatKind::Times) {
                    const int more = wholeNumber(s["n"]);
                    if (more < 1)
                        return false;
                    item.times = more + 1;
                }
                return true;
            });
            if (read) {
                item.text = std::string(text);
                return item;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::vector<PhraseItem>> LineReader::items(const std::vector<std::string_view>& parts, size_t from,
                                                         size_t to)
{
    const std::string_view repeatMark = b_.repeatAround.substr(0, b_.repeatAround.find('{'));
    std::vector<PhraseItem> out;
    for (size_t i = from; i < to; ++i) {
        if (!repeatMark.empty() && parts[i].starts_with(repeatMark)) {
            size_t end = i;
            std::vector<std::string_view> bounded(parts.begin(), parts.begin() + std::ptrdiff_t(to));
            if (auto repeat = repeatAt(bounded, i, end)) {
                out.push_back(std::move(*repeat));
                i = end;
                continue;
            }
            return std::nullopt;
        }
        std::optional<PhraseStep> s = step(parts[i]);
        if (!s) {
            if (!unknown_.empty())
                fail(unknown_, std::string(b_.notAStitch));
            else
                fail(std::string(parts[i]), std::string(b_.notUnderstood));
            return std::nullopt;
        }
        PhraseItem item;
        item.text = s->text;
        item.step = std::move(*s);
        out.push_back(std::move(item));
    }
    return out;
}

std::optional<RoundTally> LineReader::count(std::string_view text)
{
    RoundTally tally;
    noting_ = false;
    for (std::string_view item : splitList(b_, text)) {
        const bool read =
            matchPhrase(b_.countOfSpaces, item,
                        [&](const FilledSlots& s) {
                            const int n = wholeNumber(s["n"]), k = wholeNumber(s["k"]);
                            if (n < 1 || k < 1)
                                return false;
                            tally.spaces[k] += n;
                            return true;
                        }) ||
            matchPhrase(b_.countOfMixed, item,
                        [&](const FilledSlots& s) {
                            const int n = wholeNumber(s["n"]);
                            if (n < 1)
                                return false;
                            tally.total += n;
                            return true;
                        }) ||
            matchPhrase(b_.countOfOne, item, [&](const FilledSlots& s) {
                const int n = wholeNumber(s["n"]);
                const int32_t type = n >= 1 ? stitch(s["st"]) : -1;
                if (type < 0)
                    return false;
                tally.stitches[type] += n;
                tally.total += n;
                return true;
            });
        if (!read)
            return std::nullopt;
    }
    return tally;
}

bool LineReader::body(std::string_view text, LineSyntax& out)
{
    std::vector<std::string_view> parts = splitList(b_, text);
    size_t from = 0, to = parts.size();
    // The first part carries the line's capital.
    const std::string small = withSmallFirst(parts.front());
    auto beginning = [&](std::string_view part) {
        noting_ = false;
        return matchPhrase(b_.beginningCounted, part,
                           [&](const FilledSlots& s) {
                               out.beginningChains = wholeNumber(s["n"]);
                               out.beginningCountsAs = stitch(s["st"]);
                               return out.beginningChains >= 1 && out.beginningCountsAs >= 0;
                           }) ||
               matchPhrase(b_.beginning, part, [&](const FilledSlots& s) {
                   out.beginningCountsAs = -1;
                   out.beginningChains = wholeNumber(s["n"]);
                   return out.beginningChains >= 1;
               });
    };
    if (beginning(parts.front()) || beginning(small))
        from = 1;
    if (to > from && parts[to - 1] == b_.turn) {
        out.turn = true;
        --to;
    }
    if (to > from) {
        noting_ = false;
        if (parts[to - 1] == b_.joinToFirst) {
            out.join = JoinKind::ToFirst;
            --to;
        } else if (matchPhrase(b_.joinToBeginning, parts[to - 1], [&](const FilledSlots& s) {
                       const int n = s["n"].empty() ? ordinalValue(b_, s["nth"]) : wholeNumber(s["n"]);
                       return n >= 1 && n == out.beginningChains;
                   })) {
            out.join = JoinKind::ToBeginning;
            --to;
        }
    }
    auto steps = items(parts, from, to);
    if (!steps && from == 0) {
        // The capital may be the line's, not the stitch's.
        const std::optional<PatternError> asWritten = error_;
        error_.reset();
        unknown_.clear();
        std::vector<std::string_view> lowered = parts;
        lowered.front() = small;
        steps = items(lowered, from, to);
        if (!steps)
            error_ = asWritten;
    }
    if (!steps)
        return false;
    out.items = std::move(*steps);
    return true;
}

bool LineReader::foundation(std::string_view text, LineSyntax& out)
{
    out.isFoundation = true;
    if (text == b_.magicRing) {
        out.foundation = FoundationKind::Ring;
        out.magicRing = true;
        return true;
    }
    for (auto [pattern, kind] : {std::pair{b_.chainRing, FoundationKind::Ring}, {b_.foundationChain, FoundationKind::Chain}})
        if (matchPhrase(pattern, text, [&](const FilledSlots& s) { return (out.chains = wholeNumber(s["n"])) >= 1; })) {
            out.foundation = kind;
            return true;
        }
    out.isFoundation = false;
    return false;
}

std::optional<LineSyntax> LineReader::read(std::string_view line)
{
    LineSyntax out;
    out.line = line_;
    const std::string text = squeezeBlanks(line);
    const std::string withStop = text.ends_with('.') ? text : text + ".";
    if (foundation(text, out) || foundation(withStop, out))
        return out;
    std::string_view rest;
    bool labelled = matchPhrase(b_.label, text, [&](const FilledSlots& s) {
        for (bool row : {false, true})
            if (matchPhrase(row ? b_.rowName : b_.roundName, s["name"], [&](const FilledSlots& n) {
                    return (out.number = wholeNumber(n["n"])) >= 1;
                })) {
                out.isRow = row;
                rest = s["body"];
                // The count at the end, when there is one that reads as a count.
                matchPhrase(b_.withCount, rest, [&](const FilledSlots& c) {
                    auto tally = count(c["list"]);
                    if (!tally)
                        return false;
                    out.count = std::move(*tally);
                    rest = c["line"];
                    return true;
                });
                return true;
            }
        return false;
    });
    if (!labelled) {
        fail(text, std::string(b_.notALine));
        return std::nullopt;
    }
    // The full stop: the sentence's, or an abbreviation's that took its place.
    const std::string_view body = rest;
    std::string_view stopped = body;
    matchPhrase(b_.sentence, body, [&](const FilledSlots& s) {
        stopped = s["body"];
        return true;
    });
    if (this->body(stopped, out))
        return out;
    if (stopped != body) {
        const std::optional<PatternError> first = error_;
        error_.reset();
        LineSyntax again = out;
        if (this->body(body, again))
            return again;
        error_ = first;
    }
    return std::nullopt;
}

} // namespace

std::string errorText(const PhraseBook& book, const PatternError& error)
{
    if (error.word.empty())
        return fill(book, book.errorAtLine, {{"line", std::to_string(error.line)}, {"message", error.message}});
    return fill(book, book.errorAtWord,
                {{"line", std::to_string(error.line)}, {"word", error.word}, {"message", error.message}});
}

PatternSyntax readPatternLines(std::string_view text, const PhraseBook& book)
{
    PatternSyntax out;
    int number = 0;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        ++number;
        start = end + 1;
        if (squeezeBlanks(line).empty())
            continue;
        LineReader reader(book, number);
        std::optional<LineSyntax> syntax = reader.read(line);
        if (!syntax) {
            out.error = reader.error();
            return out;
        }
        out.lines.push_back(std::move(*syntax));
    }
    return out;
}

} // namespace loopora::pattern
