#include "app/LanguageSetting.h"

#include "app/QtText.h"
#include "app/RecentFiles.h"

#include <QSettings>

namespace loopora::app {
namespace {

const QString kLanguage = QStringLiteral("Language");

} // namespace

std::optional<Language> savedLanguage()
{
    QSettings settings(kOrganisation, kApplication);
    return languageOfCode(utf8(settings.value(kLanguage).toString()));
}

void saveLanguage(Language language)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(kLanguage, qs(codeOfLanguage(language)));
}

} // namespace loopora::app
