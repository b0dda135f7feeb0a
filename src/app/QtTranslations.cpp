#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace loopora::app {

QtTranslations::QtTranslations(Language language)
{
    const QLocale locale = language == Language::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                         : QLocale(QLocale::Russian, QLocale::Russia);
    // Qt's English catalogue holds only its plural forms; without it Qt still speaks English.
    installed_ = translator_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&translator_);
    loaded_ = installed_ || language == Language::English;
}

QtTranslations::~QtTranslations()
{
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

} // namespace loopora::app
