#pragma once
// Written instructions read line by line into what each line says, before
// anything is counted along a round: the foundation, or a round's or row's
// number, beginning chain, steps and repeats as written, join, turn and
// count. Every phrase is one of the phrase book's templates read back, so a
// text reads in the language and terms its book writes.

#include "pattern/Instructions.h"
#include "pattern/PatternText.h"
#include "pattern/PhraseBook.h"

#include <optional>
#include <string>
#include <vector>

namespace loopora::pattern {

// Where a line is wrong: the line (from 1), the words (empty when the whole
// line is meant) and the message, already in the book's language.
struct PatternError {
    int line = 0;
    std::string word;
    std::string message;
    friend bool operator==(const PatternError&, const PatternError&) = default;
};
// "line 3: "dc2tgo": not a stitch", in the book's words.
std::string errorText(const PhraseBook& book, const PatternError& error);

// One step as a line writes it; the phrase says how it counts along the
// round below.
enum class Phrase : uint8_t {
    Ring,            // in ring
    Next,            // in next st / ch / sp; over next n sts (places > 1)
    Same,            // in same st / ch / sp
    NextRun,         // in next n sts: n steps, each into the next place
    EachToEnd,       // in each st / ch / sp around or across
    FromHook,        // in n-th ch from hook
    FromHookAndEach, // in n-th ch from hook and in each ch across
    Skipped,         // in skipped st
    Skip,            // sk next n sts / chs, sk next sp
    Alone,           // chains between stitches, a picot
};

struct PhraseStep {
    Phrase phrase = Phrase::Alone;
    std::vector<MakeupPart> what; // empty for a skip
    Noun noun = Noun::Stitch;
    int count = 1;       // places worked over, passed over, or run along; the ordinal from the hook
    int spaceChains = 0; // the chains of the space named
    std::string text;    // as written, for messages
};

enum class RepeatKind : uint8_t { None, ToEnd, Times };
struct PhraseItem {
    PhraseStep step;               // when it is no repeat
    RepeatKind repeat = RepeatKind::None;
    int times = 0;                 // Times: how many times in all
    std::vector<PhraseItem> body;  // a repeat's
    std::string text;
};

enum class JoinKind : uint8_t { None, ToBeginning, ToFirst };

struct LineSyntax {
    int line = 0;
    bool isFoundation = false;
    // A foundation line.
    FoundationKind foundation = FoundationKind::None;
    bool magicRing = false;
    int chains = 0;
    // A round or row line.
    bool isRow = false;
    int number = 0;
    int beginningChains = 0;
    int32_t beginningCountsAs = -1;
    std::vector<PhraseItem> items;
    JoinKind join = JoinKind::None;
    bool turn = false;
    std::optional<RoundTally> count; // what the line's count says
};

struct PatternSyntax {
    std::vector<LineSyntax> lines;
    std::optional<PatternError> error;
};

// Reads every line that is not blank; stops at the first line it cannot read.
PatternSyntax readPatternLines(std::string_view text, const PhraseBook& book);

} // namespace loopora::pattern
