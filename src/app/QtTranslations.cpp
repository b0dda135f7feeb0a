#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace loopora::app {

QtTranslations::QtTranslations()
{
    loaded_ = translator_.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
              QCoreApplication::installTranslator(&translator_);
}

QtTranslations::~QtTranslations()
{
    if (loaded_)
        QCoreApplication::removeTranslator(&translator_);
}

} // namespace loopora::app
