#include "pattern/PhraseBook.h"

#include <cctype>

namespace loopora::pattern {
namespace {

int englishPlural(int n) { return n == 1 ? 0 : 1; }

// Russian's three forms: 1, 21 ...; 2-4, 22-24 ...; the rest.
int russianPlural(int n)
{
    const int tens = n % 100, units = n % 10;
    if (units == 1 && tens != 11)
        return 0;
    return units >= 2 && units <= 4 && (tens < 10 || tens >= 20) ? 1 : 2;
}

std::string englishOrdinal(int n)
{
    const int tens = n % 100, units = n % 10;
    const char* suffix = tens >= 11 && tens <= 13 ? "th" : units == 1 ? "st" : units == 2 ? "nd" : units == 3 ? "rd" : "th";
    return std::to_string(n) + suffix;
}

// Into the n-th loop: "в 3-ю", and "во 2-ю" as "во второй" is said.
std::string russianOrdinal(int n) { return std::string(n == 2 ? "во " : "в ") + std::to_string(n) + "-ю"; }

// UK terms name each stitch by the one taller in US terms.
constexpr TermSwap kUkSwaps[] = {{"sc", "dc"}, {"hdc", "htr"}, {"dc", "tr"}, {"tr", "dtr"}, {"dtr", "trtr"},
                                 {"trtr", "qtr"}};

constexpr PhraseBook kUs{
    .language = "en",
    .terms = "us",
    .names = Language::English,
    .swaps = {},
    .pluralForm = englishPlural,
    .ordinal = englishOrdinal,
    .capitalise = true,
    .roundName = "Rnd {n}",
    .rowName = "Row {n}",
    .label = "{name}: {body}",
    .sentence = "{body}.",
    .withCount = "{line} ({list})",
    .magicRing = "Make a magic ring.",
    .chainRing = "Ch {n}, join with sl st to form a ring.",
    .foundationChain = "Ch {n}.",
    .beginningCounted = "ch {n} (counts as {st})",
    .beginning = "ch {n}",
    .joinToBeginning = "join with sl st to top of beg ch-{n}",
    .joinToFirst = "join with sl st to first st",
    .turn = "turn",
    .one = "{st}",
    .several = "{n} {st}",
    .group = "({list})",
    .chains = "ch {n}",
    .picot = "{st}",
    .listSeparator = ", ",
    .inRing = "{what} in ring",
    .inNextSt = "{what} in next st",
    .inSameSt = "{what} in same st",
    .inNextSts = "{what} in next {n} sts",
    .inEachOfNextSts = "{what} in each of next {n} sts",
    .inEachStAround = "{what} in each st around",
    .inEachStAcross = "{what} in each st across",
    .overNextSts = "{what} over next {n} sts",
    .inNextSp = "{what} in next {sp}",
    .inSameSp = "{what} in same {sp}",
    .inEachSpAround = "{what} in each {sp} around",
    .inEachSpAcross = "{what} in each {sp} across",
    .space = "ch-{n} sp",
    .inNextSpBetween = "{what} in next sp between sts",
    .inNextCh = "{what} in next ch",
    .inSameCh = "{what} in same ch",
    .inNextChs = "{what} in next {n} chs",
    .inEachOfNextChs = "{what} in each of next {n} chs",
    .inEachChAcross = "{what} in each ch across",
    .fromHook = "{what} in {nth} ch from hook",
    .fromHookAndEach = "{what} in {nth} ch from hook and in each ch across",
    .inSkippedSt = "{what} in skipped st",
    .alone = "{what}",
    .skipSt = "sk next st",
    .skipSts = "sk next {n} sts",
    .skipCh = "sk next ch",
    .skipChs = "sk next {n} chs",
    .skipSp = "sk next {sp}",
    .repeatAround = "*{body}; rep from * around",
    .repeatAcross = "*{body}; rep from * across",
    .repeatMore = "*{body}; rep from * {n} more {n|time|times}",
    .countOfOne = "{n} {st}",
    .countOfMixed = "{n} {n|st|sts}",
    .countOfSpaces = "{n} ch-{k} {n|sp|sps}",
    .checkRound = "{name}: made {made}, worked into {worked}, skipped {skipped}",
    .warningInRound = "{name}, stitch {i} {path}: {message}",
    .warningAlone = "{path}: {message}",
    .foundationName = "Foundation",
    .workedIntoNothing = "worked into nothing: its base is on no stitch, chain, space or ring",
    .twoPlaces = "its base is as close to two places; move it onto one",
    .drawnTwice = "drawn on top of an identical symbol",
    .nothingWorkedInto = "nothing of the next round is worked into this stitch",
    .roundNotClosed = "the round does not go all the way round the centre",
    .unreadable = "its strokes are not those of its symbol",
    .secondFoundation = "a second foundation: stitches are worked into it too",
    .errorAtWord = "line {line}: \"{word}\": {message}",
    .errorAtLine = "line {line}: {message}",
    .notAStitch = "not a stitch",
    .notUnderstood = "not a step of a pattern",
    .notALine = "neither a foundation nor a round or row",
    .expectedName = "{name} expected here",
    .mixedRoundsAndRows = "rounds and rows in one pattern",
    .roundsFromRing = "rounds are worked from a ring, rows from a chain",
    .noRounds = "the text holds no round or row",
    .noChainCount = "the row does not say how many chains it is worked on: begin with the foundation chain",
    .roundMakes = "the round makes {made}, its count says {said}",
    .rowMakes = "the row makes {made}, its count says {said}",
    .roundMakesStitches = "the round makes {made} {made|stitch|stitches}, its count says {said}",
    .rowMakesStitches = "the row makes {made} {made|stitch|stitches}, its count says {said}",
    .noStitchLeft = "no stitch is left to work into",
    .noSpaceLeft = "no ch-{n} sp is left to work into",
    .noRing = "there is no ring to work into",
    .nothingBefore = "nothing was worked into before it",
    .nothingSkipped = "no stitch was skipped before it",
    .workedOver = "{st} is worked over {n} {n|stitch|stitches}",
    .endlessRepeat = "a repeat in the ring says how many times it is worked",
    .repeatDoesNotFit = "the repeat does not fit the stitches left",
    .sheetTooSmall = "the chart needs a sheet of at least {need} pixels, not {sheet}",
    .noSheetLargeEnough = "the chart needs a sheet of {need} pixels, more than the largest, {most}",
};

constexpr PhraseBook withSwaps(PhraseBook book, std::string_view terms, std::span<const TermSwap> swaps,
                               std::string_view skipSt, std::string_view skipSts, std::string_view skipCh,
                               std::string_view skipChs, std::string_view skipSp)
{
    book.terms = terms;
    book.swaps = swaps;
    book.skipSt = skipSt;
    book.skipSts = skipSts;
    book.skipCh = skipCh;
    book.skipChs = skipChs;
    book.skipSp = skipSp;
    return book;
}

// UK patterns word everything as US ones but the stitches and "miss".
constexpr PhraseBook kUk = withSwaps(kUs, "uk", kUkSwaps, "miss next st", "miss next {n} sts", "miss next ch",
                                     "miss next {n} chs", "miss next {sp}");

constexpr PhraseBook kRussian{
    .language = "ru",
    .terms = "ru",
    .names = Language::Russian,
    .swaps = {},
    .pluralForm = russianPlural,
    .ordinal = russianOrdinal,
    .capitalise = true,
    .roundName = "{n}-й круговой ряд",
    .rowName = "{n}-й ряд",
    .label = "{name}: {body}",
    .sentence = "{body}.",
    .withCount = "{line} ({list})",
    .magicRing = "Сделать кольцо амигуруми.",
    .chainRing = "{n} в. п., замкнуть в кольцо соед. ст.",
    .foundationChain = "Набрать цепочку из {n} в. п.",
    .beginningCounted = "{n} в. п. подъёма (считаются за {st})",
    .beginning = "{n} в. п. подъёма",
    .joinToBeginning = "соед. ст. {nth} в. п. подъёма",
    .joinToFirst = "соед. ст. в первую петлю ряда",
    .turn = "повернуть работу",
    .one = "1 {st}",
    .several = "{n} {st}",
    .group = "({list})",
    .chains = "{n} в. п.",
    .picot = "{st}",
    .listSeparator = ", ",
    .inRing = "{what} в кольцо",
    .inNextSt = "{what} в след. п.",
    .inSameSt = "{what} в ту же п.",
    .inNextSts = "по {what} в след. {n} п.",
    .inEachOfNextSts = "по {what} в каждую из след. {n} п.",
    .inEachStAround = "по {what} в каждую п. по кругу",
    .inEachStAcross = "по {what} в каждую п. до конца ряда",
    .overNextSts = "{what} в след. {n} п.",
    .inNextSp = "{what} в след. {sp}",
    .inSameSp = "{what} в ту же {sp}",
    .inEachSpAround = "по {what} в каждую {sp} по кругу",
    .inEachSpAcross = "по {what} в каждую {sp} до конца ряда",
    .space = "арку из {n} в. п.",
    .inNextSpBetween = "{what} в след. промежуток между п.",
    .inNextCh = "{what} в след. в. п.",
    .inSameCh = "{what} в ту же в. п.",
    .inNextChs = "по {what} в след. {n} в. п.",
    .inEachOfNextChs = "по {what} в каждую из след. {n} в. п.",
    .inEachChAcross = "по {what} в каждую в. п. до конца ряда",
    .fromHook = "{what} {nth} в. п. от крючка",
    .fromHookAndEach = "{what} {nth} в. п. от крючка и по {what} в каждую в. п. до конца ряда",
    .inSkippedSt = "{what} в пропущенную п.",
    .alone = "{what}",
    .skipSt = "пропустить 1 п.",
    .skipSts = "пропустить {n} п.",
    .skipCh = "пропустить 1 в. п.",
    .skipChs = "пропустить {n} в. п.",
    .skipSp = "пропустить {sp}",
    .repeatAround = "*{body}; повторять от * по кругу",
    .repeatAcross = "*{body}; повторять от * до конца ряда",
    .repeatMore = "*{body}; повторить от * ещё {n} {n|раз|раза|раз}",
    .countOfOne = "{n} {st}",
    .countOfMixed = "{n} п.",
    .countOfSpaces = "{n} {n|арка|арки|арок} из {k} в. п.",
    .checkRound = "{name}: получено {made}, провязано в {worked}, пропущено {skipped}",
    .warningInRound = "{name}, петля {i} {path}: {message}",
    .warningAlone = "{path}: {message}",
    .foundationName = "Основа",
    .workedIntoNothing = "провязан в никуда: основание не лежит ни на петле, ни на арке, ни на кольце",
    .twoPlaces = "основание одинаково близко к двум местам; поставьте его на одно",
    .drawnTwice = "нарисован поверх такого же символа",
    .nothingWorkedInto = "в эту петлю ничего не провязано в следующем ряду",
    .roundNotClosed = "ряд не обходит центр по кругу",
    .unreadable = "штрихи символа не похожи на его тип",
    .secondFoundation = "вторая основа: в неё тоже провязаны петли",
    .errorAtWord = "строка {line}: «{word}»: {message}",
    .errorAtLine = "строка {line}: {message}",
    .notAStitch = "это не петля",
    .notUnderstood = "непонятный шаг описания",
    .notALine = "это не основа, не круговой ряд и не ряд",
    .expectedName = "здесь должен быть {name}",
    .mixedRoundsAndRows = "круговые ряды и ряды в одном описании",
    .roundsFromRing = "круговые ряды вяжут от кольца, ряды — от цепочки",
    .noRounds = "в тексте нет ни кругового ряда, ни ряда",
    .noChainCount = "из ряда не видно, на скольких в. п. он вяжется: начните с цепочки",
    .roundMakes = "в круговом ряду получается {made}, а в подсчёте {said}",
    .rowMakes = "в ряду получается {made}, а в подсчёте {said}",
    .roundMakesStitches = "в круговом ряду получается {made} {made|петля|петли|петель}, а в подсчёте {said}",
    .rowMakesStitches = "в ряду получается {made} {made|петля|петли|петель}, а в подсчёте {said}",
    .noStitchLeft = "не осталось петель, в которые провязывать",
    .noSpaceLeft = "дальше нет арки из {n} в. п.",
    .noRing = "нет кольца, в которое провязывать",
    .nothingBefore = "до неё ещё ни во что не провязано",
    .nothingSkipped = "до неё не пропущено ни одной петли",
    .workedOver = "{st} провязывается в {n} {n|петлю|петли|петель}",
    .endlessRepeat = "повтор в кольцо должен говорить, сколько раз его провязать",
    .repeatDoesNotFit = "повтор не укладывается в оставшиеся петли",
    .sheetTooSmall = "схеме нужна основа не меньше {need} пикселей, а не {sheet}",
    .noSheetLargeEnough = "схеме нужна основа в {need} пикселей, больше самой большой ({most})",
};

// The form of "{n|a|b|c}" that the book's rule picks for the value.
std::string pluralOf(const PhraseBook& book, std::string_view forms, int n)
{
    int wanted = book.pluralForm(n);
    size_t start = 0;
    while (wanted-- > 0) {
        const size_t bar = forms.find('|', start);
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    const size_t end = forms.find('|', start);
    return std::string(forms.substr(start, end == std::string_view::npos ? forms.size() - start : end - start));
}

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

} // namespace

const PhraseBook& phraseBook(Language language, Terms terms)
{
    if (language == Language::Russian)
        return kRussian;
    return terms == Terms::Uk ? kUk : kUs;
}

std::string fill(const PhraseBook& book, std::string_view pattern, Slots slots)
{
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        const size_t open = pattern.find('{', i);
        if (open == std::string_view::npos) {
            out.append(pattern.substr(i));
            break;
        }
        out.append(pattern.substr(i, open - i));
        const size_t close = pattern.find('}', open);
        const std::string_view inside = pattern.substr(open + 1, close - open - 1);
        const size_t bar = inside.find('|');
        const std::string_view name = inside.substr(0, bar);
        for (const auto& [slot, value] : slots) {
            if (slot != name)
                continue;
            out += bar == std::string_view::npos ? value : pluralOf(book, inside.substr(bar + 1), std::stoi(value));
            break;
        }
        i = close + 1;
    }
    return out;
}

std::string abbreviationIn(const PhraseBook& book, const ElementType& type)
{
    const std::string_view source = humanName(type, book.names).abbreviation;
    if (book.swaps.empty())
        return std::string(source);
    // Each run of letters is a word; post stitches keep their FP or BP.
    std::string out;
    for (size_t i = 0; i < source.size();) {
        if (!isLetter(source[i])) {
            out += source[i++];
            continue;
        }
        size_t end = i;
        while (end < source.size() && isLetter(source[end]))
            ++end;
        std::string_view word = source.substr(i, end - i);
        if (word.size() > 2 && (word.starts_with("FP") || word.starts_with("BP"))) {
            out.append(word.substr(0, 2));
            word.remove_prefix(2);
        }
        std::string_view swapped = word;
        for (const TermSwap& s : book.swaps)
            if (s.from == word)
                swapped = s.to;
        out.append(swapped);
        i = end;
    }
    return out;
}

std::string_view messageOf(const PhraseBook& book, WarningKind kind)
{
    switch (kind) {
    case WarningKind::WorkedIntoNothing: return book.workedIntoNothing;
    case WarningKind::TwoPlaces: return book.twoPlaces;
    case WarningKind::DrawnTwice: return book.drawnTwice;
    case WarningKind::NothingWorkedInto: return book.nothingWorkedInto;
    case WarningKind::RoundNotClosed: return book.roundNotClosed;
    case WarningKind::Unreadable: return book.unreadable;
    case WarningKind::SecondFoundation: return book.secondFoundation;
    }
    return {};
}

} // namespace loopora::pattern
