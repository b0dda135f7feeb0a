#include "pattern/PhraseMatch.h"

#include <charconv>

namespace loopora::pattern {
namespace {

// A template as pieces: literal text, a slot, or the forms of a plural.
struct Piece {
    enum Kind : uint8_t { Literal, Slot, Plural } kind = Literal;
    std::string_view text;               // the literal, or the slot's name
    std::vector<std::string_view> forms; // a plural's
};

std::vector<Piece> piecesOf(std::string_view pattern)
{
    std::vector<Piece> pieces;
    for (size_t i = 0; i < pattern.size();) {
        const size_t open = pattern.find('{', i);
        if (open != i) {
            const size_t end = open == std::string_view::npos ? pattern.size() : open;
            pieces.push_back({Piece::Literal, pattern.substr(i, end - i), {}});
            i = end;
            continue;
        }
        const size_t close = pattern.find('}', open);
        const std::string_view inside = pattern.substr(open + 1, close - open - 1);
        const size_t bar = inside.find('|');
        if (bar == std::string_view::npos) {
            pieces.push_back({Piece::Slot, inside, {}});
        } else {
            Piece plural{Piece::Plural, inside.substr(0, bar), {}};
            for (size_t from = bar + 1;;) {
                const size_t next = inside.find('|', from);
                plural.forms.push_back(inside.substr(from, next == std::string_view::npos ? inside.size() - from : next - from));
                if (next == std::string_view::npos)
                    break;
                from = next + 1;
            }
            pieces.push_back(std::move(plural));
        }
        i = close + 1;
    }
    return pieces;
}

class Matcher {
public:
    Matcher(std::vector<Piece> pieces, std::string_view text, const std::function<bool(const FilledSlots&)>& take)
        : pieces_(std::move(pieces)), text_(text), take_(take)
    {
    }

    bool from(size_t piece, size_t at)
    {
        if (piece == pieces_.size())
            return at == text_.size() && take_(FilledSlots(slots_));
        const Piece& p = pieces_[piece];
        const std::string_view rest = text_.substr(at);
        switch (p.kind) {
        case Piece::Literal: return rest.starts_with(p.text) && from(piece + 1, at + p.text.size());
        case Piece::Plural:
            for (std::string_view form : p.forms)
                if (rest.starts_with(form) && from(piece + 1, at + form.size()))
                    return true;
            return false;
        case Piece::Slot: break;
        }
        for (const SlotText& s : slots_)
            if (s.name == p.text)
                return rest.starts_with(s.text) && from(piece + 1, at + s.text.size());
        // The slot ends where the literal after it begins, or anywhere.
        const bool last = piece + 1 == pieces_.size();
        const Piece* next = last ? nullptr : &pieces_[piece + 1];
        for (size_t end = at + 1; end <= text_.size(); ++end) {
            if (last && end != text_.size())
                continue;
            if (next && next->kind == Piece::Literal) {
                end = text_.find(next->text, end);
                if (end == std::string_view::npos)
                    return false;
            }
            slots_.push_back({p.text, text_.substr(at, end - at)});
            const bool taken = from(piece + 1, end);
            slots_.pop_back();
            if (taken)
                return true;
        }
        return false;
    }

private:
    std::vector<Piece> pieces_;
    std::string_view text_;
    const std::function<bool(const FilledSlots&)>& take_;
    std::vector<SlotText> slots_;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

bool matchPhrase(std::string_view pattern, std::string_view text, const std::function<bool(const FilledSlots&)>& take)
{
    return Matcher(piecesOf(pattern), text, take).from(0, 0);
}

std::string squeezeBlanks(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (isBlank(c)) {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
            continue;
        }
        out += c;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

void capitaliseFirst(std::string& text)
{
    if (text.empty())
        return;
    auto c = static_cast<unsigned char>(text[0]);
    if (c >= 'a' && c <= 'z') {
        text[0] = char(c - 'a' + 'A');
        return;
    }
    if (text.size() < 2)
        return;
    auto d = static_cast<unsigned char>(text[1]);
    if (c == 0xD0 && d >= 0xB0 && d <= 0xBF) { // а-п
        text[1] = char(d - 0x20);
    } else if (c == 0xD1 && d >= 0x80 && d <= 0x8F) { // р-я
        text[0] = char(0xD0);
        text[1] = char(d + 0x20);
    } else if (c == 0xD1 && d == 0x91) { // ё
        text[0] = char(0xD0);
        text[1] = char(0x81);
    }
}

std::string withSmallFirst(std::string_view text)
{
    std::string out(text);
    if (out.empty())
        return out;
    auto c = static_cast<unsigned char>(out[0]);
    if (c >= 'A' && c <= 'Z') {
        out[0] = char(c - 'A' + 'a');
        return out;
    }
    if (out.size() < 2 || c != 0xD0)
        return out;
    auto d = static_cast<unsigned char>(out[1]);
    if (d >= 0x90 && d <= 0x9F) { // А-П
        out[1] = char(d + 0x20);
    } else if (d >= 0xA0 && d <= 0xAF) { // Р-Я
        out[0] = char(0xD1);
        out[1] = char(d - 0x20);
    } else if (d == 0x81) { // Ё
        out[0] = char(0xD1);
        out[1] = char(0x91);
    }
    return out;
}

std::vector<std::string_view> splitList(const PhraseBook& book, std::string_view text)
{
    std::vector<std::string_view> parts;
    const std::string_view separator = book.listSeparator;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            depth = std::max(0, depth - 1);
        else if (depth == 0 && text.substr(i).starts_with(separator)) {
            parts.push_back(text.substr(start, i - start));
            i += separator.size() - 1;
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

int wholeNumber(std::string_view text)
{
    int value = -1;
    if (text.empty() || text.size() > 6)
        return -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0 ? value : -1;
}

int ordinalValue(const PhraseBook& book, std::string_view text)
{
    // The digits in it, then the book's own spelling of that number.
    size_t first = text.find_first_of("0123456789");
    if (first == std::string_view::npos)
        return -1;
    size_t last = text.find_first_not_of("0123456789", first);
    const int n = wholeNumber(text.substr(first, last == std::string_view::npos ? text.size() - first : last - first));
    return n > 0 && book.ordinal(n) == text ? n : -1;
}

} // namespace loopora::pattern
