// loopora: the desktop editor for crochet charts.
//   loopora            a new chart, after its parameters dialog
//   loopora CHART...   those charts
//   loopora --version | --help

#include "BuildInfo.h"
#include "app/EditorApplication.h"
#include "app/MainFrame.h"
#include "app/QtTranslations.h"
#include "app/RecentFiles.h"
#include "document/ElementTypes.h"

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
            std::cout << "usage: loopora [CHART...]\n"
                         "  without a chart, asks for a new chart's size, background and line spacing\n"
                         "  loopora --version    print the version\n";
            return true;
        }
    }
    return false;
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
    loopora::installElementTypes();
    const loopora::app::QtTranslations qtTexts;

    loopora::app::CMainFrame frame;
    QStringList files = application.arguments().mid(1);
    files.removeOne(QStringLiteral("--"));
    // The frame is shown only once the first chart is there: a cancelled
    // new-chart dialog, or a chart that cannot be read, ends the program.
    if (!frame.start(files))
        return files.isEmpty() ? 0 : 1;
    frame.show();
    return application.exec();
}
