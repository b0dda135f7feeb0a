#pragma once
// The language the program speaks to its user: Russian unless the user chose
// English. Symbol names, the legend and its exports read it; the command
// line (and later the menu) sets it.

#include <optional>
#include <string_view>

namespace loopora {

enum class Language { Russian, English };

Language uiLanguage();
void setUiLanguage(Language language);

// "ru" or "en", as the command line writes them; nothing for other codes.
std::optional<Language> languageOfCode(std::string_view code);
std::string_view codeOfLanguage(Language language);

// The one of the two texts that is in the language.
constexpr std::string_view inLanguage(Language language, std::string_view russian, std::string_view english)
{
    return language == Language::English ? english : russian;
}

} // namespace loopora
