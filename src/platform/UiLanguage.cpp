#include "platform/UiLanguage.h"

namespace loopora {
namespace {

Language gLanguage = Language::Russian;

} // namespace

Language uiLanguage() { return gLanguage; }

void setUiLanguage(Language language) { gLanguage = language; }

std::optional<Language> languageOfCode(std::string_view code)
{
    if (code == "ru")
        return Language::Russian;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

std::string_view codeOfLanguage(Language language) { return language == Language::English ? "en" : "ru"; }

} // namespace loopora
