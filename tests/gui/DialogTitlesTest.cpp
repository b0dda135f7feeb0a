// Every dialog of the editor, in both languages, opens wide enough for its
// title to show whole in a title bar beside the bar's icon and buttons.

#include "GuiSupport.h"
#include "support/InLanguage.h"

#include "app/AboutDialog.h"
#include "app/ExportDialog.h"
#include "app/ParameterDialog.h"
#include "app/PatternDialog.h"
#include "view/dialogs/Dialogs.h"

#include <QFontMetrics>
#include <QTest>

#include <functional>
#include <memory>

using namespace loopora;
using namespace loopora::test;

namespace {

// The title in bold type, as title bars set it, and three buttons of 20 pixels.
int titleNeeds(const QString& title)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + 3 * 20;
}

} // namespace

class DialogTitlesTest : public QObject {
    Q_OBJECT
private slots:
    void everyDialogIsWideEnoughForItsTitle()
    {
        for (const Language language : {Language::Russian, Language::English}) {
            InLanguage speaking(language);
            std::vector<DialogModel> models = {
                dialogs::modelOf(dialogs::ChartParameters{}),     dialogs::modelOf(dialogs::LabelText{}),
                dialogs::modelOf(dialogs::RowParameters{}),       dialogs::modelOf(dialogs::ArcParameters{}),
                dialogs::modelOf(dialogs::LoopedArcParameters{}), dialogs::modelOf(dialogs::ChainRingParameters{}),
                dialogs::modelOf(dialogs::ScaleFactors{})};
            std::vector<std::function<std::unique_ptr<QDialog>()>> dialogs;
            for (DialogModel& model : models)
                dialogs.push_back([&model] { return std::make_unique<app::ParameterDialog>(model, nullptr); });
            for (DrawingFormat format : {DrawingFormat::Pdf, DrawingFormat::Svg, DrawingFormat::Png})
                dialogs.push_back([format] { return std::make_unique<app::ExportOptionsDialog>(format, nullptr); });
            dialogs.push_back([] { return std::make_unique<app::AboutDialog>(nullptr); });
            PatternDialogModel pattern;
            dialogs.push_back([&pattern] { return std::make_unique<app::PatternDialog>(pattern, nullptr, nullptr); });
            for (const auto& make : dialogs) {
                std::unique_ptr<QDialog> dialog = make();
                dialog->show();
                QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                QVERIFY2(dialog->width() >= titleNeeds(dialog->windowTitle()),
                         qPrintable(QStringLiteral("%1: %2 pixels").arg(dialog->windowTitle()).arg(dialog->width())));
            }
        }
    }
};

LOOPORA_GUI_TEST(DialogTitlesTest);
#include "DialogTitlesTest.moc"
