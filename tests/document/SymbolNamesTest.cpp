// Invariants of the symbols' names and stitch counts in the type table: every
// symbol the palettes place has both names, both abbreviations and its two
// counts; names are unique per language, and an abbreviation is shared only
// by symbols that are one stitch drawn differently, whose names then say the
// drawing; counts and names follow what a fan or decrease is built of;
// abbreviations are those of pattern books ("ch 3", not "3-ch").

#include "document/TypeTable.h"
#include "elements/TypeIds.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace loopora;

namespace {

// The name without the drawing in brackets: what the stitch is.
std::string_view stitchOf(std::string_view name) { return name.substr(0, name.find(" (")); }

const FanRecipe* fanRecipe(const ElementType& type)
{
    if (const auto* recipe = std::get_if<FanRecipe>(&type.build))
        return recipe;
    if (const auto* like = std::get_if<FanLike>(&type.build))
        return std::get_if<FanRecipe>(&elementType(like->fanTypeId)->build);
    return nullptr;
}

int chainsOf(const FanRecipe& recipe)
{
    switch (recipe.chains) {
    case FanChains::None: return 0;
    case FanChains::CrossingOval: return 1;
    case FanChains::CrossingChain2: return 2;
    case FanChains::CrossingChain3: return 3;
    case FanChains::Bridging: return recipe.legCount - 1;
    }
    return 0;
}

bool hasText(const HumanName& n) { return !n.name.empty() && !n.abbreviation.empty(); }

// What a leg of that style is called: a leg without a bar is a single's,
// otherwise its slashes say how tall it is.
std::string_view legName(const LegStyle& style, Language language)
{
    constexpr std::string_view kRussian[] = {"пссн", "ссн", "с2н", "с3н", "с4н"};
    constexpr std::string_view kEnglish[] = {"hdc", "dc", "tr", "dtr", "trtr"};
    if (style.topBarK == 0)
        return language == Language::English ? "sc" : "сбн";
    return language == Language::English ? kEnglish[style.slashCount] : kRussian[style.slashCount];
}

} // namespace

TEST(SymbolNames, EveryPlacedSymbolHasBothNamesAbbreviationsAndCounts)
{
    for (const ElementType& type : elementTypes()) {
        if (!type.name.empty()) {
            EXPECT_FALSE(type.russian.name.empty()) << type.name;
            EXPECT_FALSE(type.english.name.empty()) << type.name;
        }
        if (!isCountedSymbol(type.kind))
            continue;
        // Every symbol a tool places is one of the catalogue's.
        EXPECT_EQ(isCatalogueSymbol(type), type.tool != PlacingTool::NoTool) << type.id;
        EXPECT_TRUE(hasText(type.russian)) << type.id;
        EXPECT_TRUE(hasText(type.english)) << type.id;
        EXPECT_GE(type.counts.workedInto, 0) << type.id;
        EXPECT_GE(type.counts.makes, 0) << type.id;
        // Only what pattern counts leave out makes nothing and takes nothing:
        // the yarn's marks, and a few stitches.
        const bool leftOut = type.kind == TypeKind::Mark || type.id == typeids::kSlipStitch ||
                             type.id == typeids::kCircle || type.name == "chain3teeth";
        EXPECT_EQ(type.counts.workedInto + type.counts.makes == 0, leftOut) << type.id;
    }
    EXPECT_TRUE(hasText(elementType(typeids::kDoubleWithChainTop)->russian));
    // Figures and arrangements are named for the tool tips, but have no abbreviation.
    EXPECT_EQ(elementType(typeids::kLine)->english.name, "line");
    EXPECT_TRUE(elementType(typeids::kLine)->english.abbreviation.empty());
    EXPECT_EQ(elementType(typeids::kChainRing)->russian.name, "кольцо из в. п.");
}

TEST(SymbolNames, NamesAreUniquePerLanguage)
{
    for (Language language : {Language::Russian, Language::English}) {
        std::map<std::string_view, int32_t> seen;
        for (const ElementType& type : elementTypes()) {
            std::string_view name = humanName(type, language).name;
            if (name.empty())
                continue;
            auto [at, fresh] = seen.emplace(name, type.id);
            EXPECT_TRUE(fresh) << name << ": " << at->second << " and " << type.id;
        }
    }
}

TEST(SymbolNames, SharedAbbreviationsMeanOneStitchDrawnDifferently)
{
    for (Language language : {Language::Russian, Language::English}) {
        std::map<std::string_view, const ElementType*> byAbbreviation;
        // How many symbols make each stitch, and how many of them in its usual drawing.
        std::map<std::string_view, int> drawings, usual;
        for (const ElementType& type : elementTypes()) {
            if (!isCountedSymbol(type.kind))
                continue;
            std::string_view name = humanName(type, language).name;
            ++drawings[stitchOf(name)];
            usual[stitchOf(name)] += name == stitchOf(name) ? 1 : 0;
        }
        for (const ElementType& type : elementTypes()) {
            if (!isCountedSymbol(type.kind))
                continue;
            const HumanName& n = humanName(type, language);
            // Only a stitch drawn in several ways has its drawings named, all but the usual one.
            EXPECT_LE(usual[stitchOf(n.name)], 1) << n.name;
            if (drawings[stitchOf(n.name)] == 1) {
                EXPECT_EQ(n.name, stitchOf(n.name));
            }
            auto [at, fresh] = byAbbreviation.emplace(n.abbreviation, &type);
            if (fresh)
                continue;
            const ElementType& other = *at->second;
            EXPECT_EQ(stitchOf(humanName(other, language).name), stitchOf(n.name)) << n.abbreviation;
            EXPECT_EQ(other.counts.workedInto, type.counts.workedInto) << n.abbreviation;
            EXPECT_EQ(other.counts.makes, type.counts.makes) << n.abbreviation;
        }
    }
}

TEST(SymbolNames, FansAreNamedAndCountedByTheirLegsAndChains)
{
    for (const ElementType& type : elementTypes()) {
        const FanRecipe* recipe = fanRecipe(type);
        if (!recipe)
            continue;
        EXPECT_EQ(type.counts.workedInto, 1) << type.name;
        EXPECT_EQ(type.counts.makes, recipe->legCount + chainsOf(*recipe)) << type.name;
        const std::string legs = std::to_string(recipe->legCount);
        // The slashes on a leg say how tall it is.
        const auto* like = std::get_if<FanLike>(&type.build);
        const LegStyle& style = like ? *like->legs : *recipe->legStyle;
        const std::string ru = std::string(" ").append(legName(style, Language::Russian));
        const std::string en = std::string("-").append(legName(style, Language::English)).append(" ");
        if (recipe->chains == FanChains::None) {
            EXPECT_EQ(type.russian.name.find(legs + ru + " "), 0u) << type.name;
            EXPECT_EQ(type.english.name.find(legs + en), 0u) << type.name;
        }
        // The drawing in brackets is the one the legs make.
        bool sheared = true, shifted = false, left = true, right = true;
        for (int i = 0; i < recipe->legCount; ++i) {
            const FanLeg& leg = recipe->legs[size_t(i)];
            sheared = sheared && leg.mode == LegMode::Sheared;
            shifted = shifted || leg.shift != 0;
            left = left && leg.angle <= 0;
            right = right && leg.angle >= 0;
        }
        const std::string_view name = type.english.name;
        if (name.find(" (") == std::string_view::npos)
            continue;
        EXPECT_EQ(name.find("leaning left") != std::string_view::npos, left) << type.name;
        EXPECT_EQ(name.find("leaning right") != std::string_view::npos, right) << type.name;
        EXPECT_EQ(name.find("flat top") != std::string_view::npos, sheared && !left && !right) << type.name;
        EXPECT_EQ(name.find("legs apart") != std::string_view::npos, shifted) << type.name;
    }
}

TEST(SymbolNames, DecreasesAreWorkedIntoOnePerLegAndMakeOne)
{
    for (const ElementType& type : elementTypes()) {
        if (type.kind != TypeKind::Decrease)
            continue;
        EXPECT_EQ(type.counts.makes, 1) << type.name;
        if (const auto* recipe = std::get_if<DecreaseRecipe>(&type.build)) {
            EXPECT_EQ(type.counts.workedInto, recipe->legCount) << type.name;
            EXPECT_EQ(type.english.abbreviation,
                      std::string(legName(*recipe->legStyle, Language::English)) + std::to_string(recipe->legCount) +
                          "tog");
            const bool flat = recipe->legs[0].mode == LegMode::Sheared;
            EXPECT_EQ(type.russian.name.find("(ровный низ)") != std::string_view::npos,
                      flat && recipe->legCount > 2)
                << type.name;
        }
    }
    EXPECT_EQ(elementTypeNamed("single3to1")->counts.workedInto, 3);
    EXPECT_EQ(elementTypeNamed("single3to1")->english.abbreviation, "sc3tog");
}

TEST(SymbolNames, CountedChainsAreWrittenAsPatternBooksWriteThem)
{
    int counted = 0;
    for (const ElementType& type : elementTypes()) {
        const std::string_view name = type.english.name;
        const size_t space = name.find(' ');
        if (space == std::string_view::npos || name.substr(space) != " chains")
            continue;
        const std::string number(name.substr(0, space));
        ++counted;
        EXPECT_EQ(type.english.abbreviation, "ch " + number) << type.name;
        EXPECT_EQ(type.russian.abbreviation, number + " в. п.") << type.name;
        EXPECT_EQ(std::to_string(type.counts.makes), number) << type.name;
    }
    EXPECT_EQ(counted, 2);
}

TEST(SymbolNames, BasicStitchesAsPatternBooksWriteThem)
{
    const std::pair<const char*, HumanName> russian[] = {
        {"chain", {"воздушная петля", "в. п."}},     {"slipstitch", {"соединительный столбик", "сс"}},
        {"single", {"столбик без накида", "сбн"}},   {"halfdouble", {"полустолбик с накидом", "пссн"}},
        {"double", {"столбик с накидом", "ссн"}},    {"treble", {"столбик с 2 накидами", "с2н"}},
        {"doubletreble", {"столбик с 3 накидами", "с3н"}}, {"trebletreble", {"столбик с 4 накидами", "с4н"}}};
    for (const auto& [tool, name] : russian) {
        EXPECT_EQ(elementTypeNamed(tool)->russian.name, name.name);
        EXPECT_EQ(elementTypeNamed(tool)->russian.abbreviation, name.abbreviation);
    }
    const char* english[] = {"ch", "sl st", "sc", "hdc", "dc", "tr", "dtr", "trtr"};
    const char* tools[] = {"chain", "slipstitch", "single", "halfdouble", "double", "treble", "doubletreble",
                           "trebletreble"};
    for (size_t i = 0; i < std::size(tools); ++i)
        EXPECT_EQ(elementTypeNamed(tools[i])->english.abbreviation, english[i]);
    EXPECT_EQ(elementTypeNamed("chain")->counts.makes, 1);
    EXPECT_EQ(elementTypeNamed("chain")->counts.workedInto, 0);
    EXPECT_EQ(elementTypeNamed("chain3")->counts.makes, 3);
    EXPECT_EQ(elementTypeNamed("double1to5")->counts.makes, 5);
    EXPECT_EQ(elementTypeNamed("double1to3")->russian.name, "3 ссн из одной петли");
    EXPECT_EQ(elementTypeNamed("double3to1")->russian.name, "3 ссн вместе");
    EXPECT_EQ(elementTypeNamed("double1to2chain1")->english.name, "V-stitch");
}

TEST(UiLanguage, RussianUnlessEnglishIsChosen)
{
    EXPECT_EQ(uiLanguage(), Language::Russian);
    EXPECT_EQ(languageOfCode("en"), Language::English);
    EXPECT_EQ(languageOfCode("ru"), Language::Russian);
    EXPECT_EQ(languageOfCode("de"), std::nullopt);
    EXPECT_EQ(codeOfLanguage(Language::English), "en");
    setUiLanguage(Language::English);
    EXPECT_EQ(inLanguage(uiLanguage(), "петля", "loop"), "loop");
    setUiLanguage(Language::Russian);
}
