// loopora: the desktop editor for crochet charts.
//   loopora            a new chart, after its parameters dialog
//   loopora CHART...   those charts
//   loopora --lang en  in English (ru: Russian) for this run, whatever the View menu chose
//   loopora --version | --help

#include "BuildInfo.h"
#include "app/EditorApplication.h"
#include "app/LanguageSetting.h"
#include "app/MainFrame.h"
#include "app/QtTranslations.h"
#include "app/RecentFiles.h"
#include "document/ElementTypes.h"
#include "platform/Texts.h"

#include <QApplication>

#include <cstring>
#include <iostream>

namespace {

// Answered before any window exists, so they work without a display.
bool answeredAtOnce(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "loopora " << loopora::kVersion << "\n";
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "usage: loopora [--lang ru|en] [CHART...]\n"
                         "  without a chart, asks for a new chart's size, background and line spacing\n"
                         "  --lang en            speak English (ru: Russian) this time, whatever the View menu chose\n"
                         "  loopora --version    print the version\n";
            return true;
        }
    }
    return false;
}

// Takes "--lang ru|en" (before a "--") out of the arguments; false for
// another language or none.
bool takeLanguage(QStringList& arguments, std::optional<loopora::Language>& language)
{
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != QStringLiteral("--"); ++i) {
        if (arguments[i] != QStringLiteral("--lang"))
            continue;
        language = i + 1 < arguments.size() ? loopora::languageOfCode(arguments[i + 1].toStdString()) : std::nullopt;
        if (!language)
            return false;
        arguments.remove(i, 2);
        return true;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (answeredAtOnce(argc, argv))
        return 0;
    loopora::app::EditorApplication application(argc, argv);
    QCoreApplication::setOrganizationName(loopora::app::kOrganisation);
    QCoreApplication::setApplicationName(loopora::app::kApplication);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(loopora::kVersion.data(), qsizetype(loopora::kVersion.size())));
    // The desktop matches the windows to the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(loopora::kDesktopId.data(), qsizetype(loopora::kDesktopId.size())));

    QStringList files = application.arguments().mid(1);
    std::optional<loopora::Language> asked;
    if (!takeLanguage(files, asked)) {
        std::cerr << "loopora: --lang takes ru or en\n";
        return 2;
    }
    files.removeOne(QStringLiteral("--"));
    if (!loopora::speakLanguage(asked.value_or(loopora::app::savedLanguage().value_or(loopora::Language::Russian))))
        std::cerr << "loopora: the English texts (loopora.mo) are not installed; the editor speaks Russian\n";
    const loopora::app::QtTranslations qtTexts(loopora::uiLanguage());
    loopora::installElementTypes();

    loopora::app::CMainFrame frame;
    // The frame is shown only once the first chart is there: a cancelled
    // new-chart dialog, or a chart that cannot be read, ends the program.
    if (!frame.start(files))
        return files.isEmpty() ? 0 : 1;
    frame.show();
    return application.exec();
}
