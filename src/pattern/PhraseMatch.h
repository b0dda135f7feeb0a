#pragma once
// A phrase book's templates read the other way: which pieces of a text fill
// a template's slots. "{what} in next {n} sts" against "dc in next 3 sts"
// gives what = "dc" and n = "3"; a plural slot ({n|time|times}) takes any of
// its forms; a slot named twice takes the same text both times. A template
// may fit a text in several ways ("{line} ({list})" where the line holds
// parentheses too): each is offered in turn until the caller takes one.

#include "pattern/PhraseBook.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace loopora::pattern {

struct SlotText {
    std::string_view name;
    std::string_view text;
};

class FilledSlots {
public:
    explicit FilledSlots(std::vector<SlotText> slots) : slots_(std::move(slots)) {}
    // The text of the slot; empty when the template has none of that name.
    std::string_view operator[](std::string_view name) const
    {
        for (const SlotText& s : slots_)
            if (s.name == name)
                return s.text;
        return {};
    }

private:
    std::vector<SlotText> slots_;
};

// Offers take each way the text fills the pattern, slots as short as they
// can be first, until take returns true; returns whether one was taken.
// Every slot holds at least one character.
bool matchPhrase(std::string_view pattern, std::string_view text, const std::function<bool(const FilledSlots&)>& take);

// The text with blanks (spaces, tabs) run together into one space and none
// at either end.
std::string squeezeBlanks(std::string_view text);
// The first letter in capitals, and back in small letters: Latin and
// Cyrillic letters in UTF-8.
void capitaliseFirst(std::string& text);
std::string withSmallFirst(std::string_view text);

// Splits a list at the book's separator where no parenthesis is open.
std::vector<std::string_view> splitList(const PhraseBook& book, std::string_view text);

// A whole number written in digits, or -1.
int wholeNumber(std::string_view text);
// The number an ordinal as the book writes it ("2nd", "во 2-ю") stands for, or -1.
int ordinalValue(const PhraseBook& book, std::string_view text);

} // namespace loopora::pattern
