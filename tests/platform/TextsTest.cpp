// Invariants: in Russian a text is its own key; in English it comes from the
// catalogue of the build tree, whatever the desktop's locale and LANGUAGE
// say; a text the catalogue lacks stays as written; values go where the
// translation puts them.

#include "platform/Texts.h"
#include "support/InLanguage.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

using namespace loopora;

TEST(Texts, RussianIsTheKeyItself)
{
    const char* key = "Язык";
    EXPECT_EQ(_(key), key);
    EXPECT_EQ(uiLanguage(), Language::Russian);
}

TEST(Texts, EnglishComesFromTheBuildTreesCatalogue)
{
    ASSERT_TRUE(catalogueFolder().has_value());
    test::InLanguage english(Language::English);
    ASSERT_TRUE(english.spoken());
    EXPECT_STREQ(_("Язык"), "Language");
    // Not in the catalogue: shown as written rather than lost.
    EXPECT_STREQ(_("нет такого текста"), "нет такого текста");
    // The empty key is no text, not the catalogue's header.
    EXPECT_STREQ(_(""), "");
}

TEST(Texts, EnglishWhateverTheDesktopLocaleSays)
{
    const std::string messages = std::setlocale(LC_MESSAGES, nullptr);
    std::setlocale(LC_MESSAGES, "C");
    setenv("LANGUAGE", "de:ru", 1);
    {
        test::InLanguage english(Language::English);
        EXPECT_STREQ(_("Язык"), "Language");
    }
    EXPECT_STREQ(_("Язык"), "Язык");
    std::setlocale(LC_MESSAGES, messages.c_str());
}

TEST(Texts, AnInstalledProgramReadsTheCatalogueInstalledBesideIt)
{
    namespace fs = std::filesystem;
    const fs::path prefix = fs::temp_directory_path() / ("loopora-texts-" + std::to_string(getpid()));
    fs::remove_all(prefix);
    const fs::path program = prefix / "bin" / "loopora";
    const fs::path installed = prefix / "share" / "locale";
    const fs::path built = prefix / "build" / "locale";
    for (const fs::path& folder : {installed, built}) {
        fs::create_directories(folder / "en" / "LC_MESSAGES");
        std::ofstream(folder / "en" / "LC_MESSAGES" / "loopora.mo") << "catalogue";
    }
    fs::create_directories(program.parent_path());
    EXPECT_EQ(catalogueFolderFor(program.string(), built.string()), installed.string());
    fs::remove_all(installed);
    EXPECT_EQ(catalogueFolderFor(program.string(), built.string()), built.string());
    fs::remove_all(built);
    EXPECT_EQ(catalogueFolderFor(program.string(), built.string()), std::nullopt);
    fs::remove_all(prefix);
}

TEST(Texts, ValuesGoWhereThePatternPutsThem)
{
    EXPECT_EQ(withValues("«%1»: от %2 до %3.", {"Угол", "10", "360"}), "«Угол»: от 10 до 360.");
    EXPECT_EQ(withValues("%2, then %1", {"a", "b"}), "b, then a");
    // A percent sign without a value of that number stays.
    EXPECT_EQ(withValues("100% of %1, %3 and %", {"x"}), "100% of x, %3 and %");
    EXPECT_EQ(withValues("%1", {"%2"}), "%2");
}
