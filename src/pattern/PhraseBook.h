#pragma once
// How written instructions are worded, one book per language and
// terminology, the way gettext keeps one catalogue per language: every
// phrase is a whole template, its word order its own, with named slots the
// writer fills ({n} a number, {what} the stitches made, {st} a stitch's
// abbreviation, {sp} a space, {nth} an ordinal as the phrase needs it,
// {body} a repeated part, {list} a count). A slot written {n|a|b|c} is the
// form of a word the language's plural rule picks for n. The same templates
// read back the other way turn text into a chart.

#include "document/TypeTable.h"
#include "pattern/PatternReading.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace loopora::pattern {

enum class Terms : uint8_t { Us, Uk };

// A stitch's name in one terminology for the one it has in another
// ("dc" is "tr" in UK terms).
struct TermSwap {
    std::string_view from;
    std::string_view to;
};

struct PhraseBook {
    std::string_view language; // "en", "ru"
    std::string_view terms;    // "us", "uk"; Russian has its own, "ru"
    Language names;            // whose abbreviations the type table gives
    std::span<const TermSwap> swaps;
    int (*pluralForm)(int n);           // which of {n|...} forms
    std::string (*ordinal)(int n);      // {nth}
    bool capitalise;                    // a line starts with a capital

    // Lines.
    std::string_view roundName, rowName; // "Rnd {n}"
    std::string_view label;              // "{name}: {body}"
    std::string_view sentence;           // "{body}." 
    std::string_view withCount;          // "{line} ({list})"
    std::string_view magicRing, chainRing, foundationChain;
    // The beginning and the end of a round.
    std::string_view beginningCounted, beginning, joinToBeginning, joinToFirst, turn;
    // What is made: one stitch, several of one, a group, chains.
    std::string_view one, several, group, chains, picot, listSeparator;
    // Where it is made.
    std::string_view inRing, inNextSt, inSameSt, inNextSts, inEachOfNextSts, inEachStAround, inEachStAcross;
    std::string_view overNextSts, inNextSp, inSameSp, inEachSpAround, inEachSpAcross, space, inNextSpBetween;
    std::string_view inNextCh, inSameCh, inNextChs, inEachOfNextChs, inEachChAcross, fromHook, fromHookAndEach;
    std::string_view inSkippedSt, alone;
    std::string_view skipSt, skipSts, skipCh, skipChs, skipSp;
    // Repeats.
    std::string_view repeatAround, repeatAcross, repeatMore;
    // Counts.
    std::string_view countOfOne, countOfMixed, countOfSpaces;
    // The check.
    std::string_view checkRound, warningInRound, warningAlone, foundationName;
    std::string_view workedIntoNothing, twoPlaces, drawnTwice, nothingWorkedInto, roundNotClosed, unreadable,
        secondFoundation;
    // Text read back into a chart: what is wrong, on which line and in which
    // words ({line}, {word}, {message}), then the messages themselves.
    std::string_view errorAtWord, errorAtLine;
    std::string_view notAStitch, notUnderstood, notALine, expectedName, mixedRoundsAndRows, roundsFromRing,
        noRounds, noChainCount;
    std::string_view roundMakes, rowMakes, roundMakesStitches, rowMakesStitches;
    std::string_view noStitchLeft, noSpaceLeft, noRing, nothingBefore, nothingSkipped, workedOver, endlessRepeat,
        repeatDoesNotFit;
    // A chart too large for its sheet ({need}, {sheet}, {most} in pixels).
    std::string_view sheetTooSmall, noSheetLargeEnough;
};

const PhraseBook& phraseBook(Language language, Terms terms);

// A template with its slots filled.
using Slots = std::initializer_list<std::pair<std::string_view, std::string>>;
std::string fill(const PhraseBook& book, std::string_view pattern, Slots slots);

// A type's abbreviation in the book's language and terms.
std::string abbreviationIn(const PhraseBook& book, const ElementType& type);
// The message of a warning.
std::string_view messageOf(const PhraseBook& book, WarningKind kind);

} // namespace loopora::pattern
