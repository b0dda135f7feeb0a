// Choosing the interface language: both View menus offer Russian and English,
// each named in itself, with the one chosen checked; a choice is kept in the
// settings for the next start, which a message says when it differs from the
// language in use.

#include "GuiSupport.h"

#include "app/LanguageSetting.h"
#include "app/MainMenus.h"
#include "view/CommandIds.h"

#include <QMenu>
#include <QMessageBox>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

namespace {

QMenu* languageMenu(QMenu& view)
{
    for (QAction* action : view.actions())
        if (action->menu() && action->text() == QStringLiteral("Язык"))
            return action->menu();
    return nullptr;
}

bool allChecked(const QList<QAction*>& actions, bool checked)
{
    for (QAction* action : actions)
        if (action->isChecked() != checked)
            return false;
    return !actions.isEmpty();
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void bothViewMenusOfferTheLanguagesEachInItsOwnWords()
    {
        Editor editor;
        editor.newChart();
        app::MainMenus& menus = editor.frame().menus();
        for (bool chartOpen : {false, true}) {
            QMenu* view = menus.menus(chartOpen)[chartOpen ? 2 : 1];
            QMenu* languages = languageMenu(*view);
            QVERIFY(languages);
            QCOMPARE(itemTexts(*languages), QStringList({"Русский", "English"}));
        }
        QVERIFY(allChecked(menus.actions(cmd::kLanguageRussian), true));
        QVERIFY(allChecked(menus.actions(cmd::kLanguageEnglish), false));
        QVERIFY(!app::savedLanguage());
    }

    void aChosenLanguageIsKeptForTheNextStart()
    {
        Editor editor;
        QString message;
        whenModal<QMessageBox>([&message](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        editor.frame().command(cmd::kLanguageEnglish);
        QCOMPARE(message, QStringLiteral("Язык интерфейса сменится при следующем запуске Loopora."));
        QCOMPARE(app::savedLanguage(), Language::English);
        QCOMPARE(uiLanguage(), Language::Russian); // the texts shown stay until then
        app::MainMenus& menus = editor.frame().menus();
        QVERIFY(allChecked(menus.actions(cmd::kLanguageEnglish), true));
        QVERIFY(allChecked(menus.actions(cmd::kLanguageRussian), false));

        // Back to the language in use: nothing changes at the next start, and nothing is said.
        editor.frame().command(cmd::kLanguageRussian);
        QCOMPARE(app::savedLanguage(), Language::Russian);
        QVERIFY(allChecked(menus.actions(cmd::kLanguageRussian), true));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

LOOPORA_GUI_TEST(LanguageTest);
#include "LanguageTest.moc"
