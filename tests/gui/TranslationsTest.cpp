// Qt's own dialogs speak the interface language with the rest of the
// program: the file and colour dialogs and the standard buttons of message
// boxes, in Russian or in English whatever the desktop's language.

#include "GuiSupport.h"

#include "app/QtTranslations.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

namespace {

QStringList buttonTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts.append(button->text());
    return texts;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void standardDialogsSpeakRussian()
    {
        app::QtTranslations russian;
        QVERIFY2(russian.loaded(), "Qt's Russian catalogue is missing (qt6-translations-l10n)");
        QMessageBox box(QMessageBox::Question, QStringLiteral("Loopora"), QStringLiteral("?"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));

        QFileDialog files(nullptr, QStringLiteral("Открыть"));
        files.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(files.labelText(QFileDialog::Reject), QStringLiteral("Отмена"));
        QCOMPARE(files.labelText(QFileDialog::FileType), QStringLiteral("Типы файлов:"));

        QColorDialog colours;
        colours.setOption(QColorDialog::DontUseNativeDialog);
        QVERIFY2(buttonTexts(colours).contains(QStringLiteral("Отмена")), qPrintable(buttonTexts(colours).join('|')));
    }

    void standardDialogsSpeakEnglishWhenEnglishIsChosen()
    {
        app::QtTranslations english(Language::English);
        QVERIFY(english.loaded());
        QMessageBox box(QMessageBox::Question, QStringLiteral("Loopora"), QStringLiteral("?"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
        QFileDialog files(nullptr, QStringLiteral("Open"));
        files.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(files.labelText(QFileDialog::FileType), QStringLiteral("Files of type:"));
    }

    void withoutThemQtSpeaksEnglish()
    {
        {
            app::QtTranslations russian;
        }
        QMessageBox box(QMessageBox::Question, QStringLiteral("Loopora"), QStringLiteral("?"), QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
    }
};

LOOPORA_GUI_TEST(TranslationsTest);
#include "TranslationsTest.moc"
