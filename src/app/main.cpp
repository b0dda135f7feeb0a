// loopora: the desktop editor for crochet charts.
//   loopora          a new chart, after its parameters dialog
//   loopora CHART    that chart

#include "app/EditorApplication.h"
#include "app/MainFrame.h"
#include "app/RecentFiles.h"
#include "document/ElementTypes.h"

#include <QApplication>

int main(int argc, char** argv)
{
    loopora::app::EditorApplication application(argc, argv);
    QCoreApplication::setOrganizationName(loopora::app::kOrganisation);
    QCoreApplication::setApplicationName(loopora::app::kApplication);
    loopora::installElementTypes();

    loopora::app::CMainFrame frame;
    const QStringList files = application.arguments().mid(1);
    // The frame is shown only once the first chart is there: a cancelled
    // new-chart dialog, or a chart that cannot be read, ends the program.
    if (!frame.start(files))
        return files.isEmpty() ? 0 : 1;
    frame.show();
    return application.exec();
}
