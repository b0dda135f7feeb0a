// With English chosen, everything the editor shows is English: every menu
// and item with its status prompt, every palette with its buttons' tips,
// the status bar and its coordinate panes, the key panel, the context menus,
// every parameter dialog with each of its refusals, the questions and
// messages, the file prompts with their filters, the About box and Qt's own
// dialogs. A text is taken for untranslated when it holds a Cyrillic or a
// Chinese character; only the language menu's "Русский" names Russian in
// its own words, as language menus do.

#include "GuiSupport.h"

#include "app/AboutDialog.h"
#include "app/PatternDialog.h"
#include "app/ChildFrame.h"
#include "app/ExportDialog.h"
#include "app/MainMenus.h"
#include "app/Palettes.h"
#include "app/ParameterDialog.h"
#include "app/Prompts.h"
#include "app/QtTranslations.h"
#include "app/StatusPanes.h"
#include "elements/TextElement.h"
#include "platform/DecimalText.h"
#include "support/InLanguage.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "view/dialogs/Dialogs.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace loopora;
using namespace loopora::test;

namespace {

constexpr uint16_t kTextButton = 33046;

bool foreign(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0400 && u <= 0x04FF) ||                 // Cyrillic
           (u >= 0x3000 && u <= 0x303F) ||                 // CJK punctuation
           (u >= 0x4E00 && u <= 0x9FFF) ||                 // CJK ideographs
           (u >= 0xFF00 && u <= 0xFFEF);                   // full-width forms
}

bool english(const QString& text)
{
    if (text == QStringLiteral("Русский"))
        return true;
    return std::none_of(text.begin(), text.end(), foreign);
}

// What a window shows in words: its title, labels, buttons, group boxes,
// tool bars and dock titles, actions with their tips, menus, combo boxes'
// items (not the folder a file prompt looks in) and tree headers and items.
class Words {
public:
    void add(const QString& text, const QString& where)
    {
        ++count_;
        if (!english(text))
            untranslated_.append(where + QStringLiteral(": ") + text);
    }

    void addAction(const QAction& action, const QString& where)
    {
        add(action.text(), where);
        add(action.toolTip(), where + QStringLiteral(" tip"));
        add(action.statusTip(), where + QStringLiteral(" status"));
        if (action.menu())
            addMenu(*action.menu(), where + QStringLiteral(" > ") + action.text());
    }

    void addMenu(const QMenu& menu, const QString& where)
    {
        add(menu.title(), where);
        for (const QAction* action : menu.actions())
            if (!action->isSeparator())
                addAction(*action, where);
    }

    void addWidget(const QWidget& root)
    {
        const QString where = root.metaObject()->className();
        add(root.windowTitle(), where);
        for (const QWidget* w : root.findChildren<QWidget*>()) {
            if (auto* label = qobject_cast<const QLabel*>(w))
                add(label->text(), where + QStringLiteral(" label"));
            if (auto* button = qobject_cast<const QAbstractButton*>(w))
                add(button->text(), where + QStringLiteral(" button"));
            if (auto* box = qobject_cast<const QGroupBox*>(w))
                add(box->title(), where + QStringLiteral(" group"));
            if (auto* bar = qobject_cast<const QToolBar*>(w))
                add(bar->windowTitle(), where + QStringLiteral(" palette"));
            if (auto* dock = qobject_cast<const QDockWidget*>(w))
                add(dock->windowTitle(), where + QStringLiteral(" panel"));
            if (auto* menu = qobject_cast<const QMenu*>(w))
                addMenu(*menu, where + QStringLiteral(" menu"));
            if (auto* combo = qobject_cast<const QComboBox*>(w); combo && combo->objectName() != "lookInCombo")
                for (int i = 0; i < combo->count(); ++i)
                    add(combo->itemText(i), where + QStringLiteral(" list"));
            if (auto* tree = qobject_cast<const QTreeWidget*>(w)) {
                for (int c = 0; c < tree->columnCount(); ++c)
                    add(tree->headerItem()->text(c), where + QStringLiteral(" heading"));
                for (int i = 0; i < tree->topLevelItemCount(); ++i)
                    for (int c = 0; c < tree->columnCount(); ++c)
                        add(tree->topLevelItem(i)->text(c), where + QStringLiteral(" row"));
            }
            for (const QAction* action : w->actions())
                if (!action->isSeparator())
                    addAction(*action, where + QStringLiteral(" action"));
        }
    }

    int count() const { return count_; }
    const QStringList& untranslated() const { return untranslated_; }

private:
    int count_ = 0;
    QStringList untranslated_;
};

// English for the program's own texts and Qt's, for one test.
class SpeakingEnglish {
public:
    SpeakingEnglish() : english_(Language::English), qt_(Language::English) {}
    bool spoken() const { return english_.spoken() && qt_.loaded(); }

private:
    InLanguage english_;
    app::QtTranslations qt_;
};

// Notes a modal widget's words once it opens, then closes it.
template <class W>
void wordsOfModal(Words& words, std::function<void(W*)> close = [](W* w) { w->reject(); })
{
    whenModal<W>([&words, close](W* w) {
        words.addWidget(*w);
        close(w);
    });
}

// The items of the context menu at a point, closed again.
QStringList contextMenuAt(Editor& editor, QPoint at)
{
    QStringList items;
    whenPopup([&items](QMenu* menu) {
        items = itemTexts(*menu);
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    editor.rightClick(at);
    QApplication::processEvents();
    return items;
}

} // namespace

#define EXPECT_ALL_ENGLISH(words)                                                                                     \
    do {                                                                                                             \
        QVERIFY((words).count() > 0);                                                                                \
        QVERIFY2((words).untranslated().isEmpty(), qPrintable((words).untranslated().join(QLatin1Char('\n'))));      \
    } while (false)

class EnglishWalkTest : public QObject {
    Q_OBJECT
private slots:
    void menusPalettesStatusBarAndPanels()
    {
        SpeakingEnglish english;
        QVERIFY2(english.spoken(), "the English catalogue or Qt's texts are missing");
        Editor editor;
        Words words;
        app::MainMenus& menus = editor.frame().menus();
        for (bool chartOpen : {false, true})
            for (const QMenu* menu : menus.menus(chartOpen))
                words.addMenu(*menu, QStringLiteral("menu"));
        QCOMPARE(editor.frame().windowTitle(), QStringLiteral("Loopora"));
        QCOMPARE(editor.frame().statusPanes().idleText(), QStringLiteral("Ready"));
        QCOMPARE(itemTexts(*menus.menus(false)[0]), QStringList({"&New\tCtrl+N", "Chart from pattern…", "&Open...\tCtrl+O", "E&xit"}));

        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        editor.frame().command(cmd::kToggleLegend);
        for (const PaletteInfo& info : palettes())
            editor.frame().palettes().palette(info.number)->show();
        words.addWidget(editor.frame());
        EXPECT_ALL_ENGLISH(words);
        QCOMPARE(editor.frame().palettes().button(cmd::kSaveBitmap)->toolTip(), QStringLiteral("Save BMP"));
        QCOMPARE(editor.frame().childFrame(0)->caption(), QStringLiteral("Chart1"));

        QTest::mouseMove(editor.activeViewport(), {120, 80});
        QApplication::processEvents();
        static const QRegularExpression kChart(QStringLiteral("^Chart: \\(-?\\d+, -?\\d+\\)$"));
        static const QRegularExpression kScreen(QStringLiteral("^Screen: \\(120, 80\\)$"));
        QVERIFY2(kChart.match(editor.frame().statusPanes().chartText()).hasMatch(),
                 qPrintable(editor.frame().statusPanes().chartText()));
        QVERIFY2(kScreen.match(editor.frame().statusPanes().windowText()).hasMatch(),
                 qPrintable(editor.frame().statusPanes().windowText()));
    }

    void contextMenus()
    {
        SpeakingEnglish english;
        Editor editor;
        editor.newChart();
        Words words;
        for (const QString& item : contextMenuAt(editor, {300, 300}))
            words.add(item, QStringLiteral("chart menu"));
        editor.drag({200, 300}, {200, 200});
        const QStringList element = contextMenuAt(editor, {200, 250});
        QCOMPARE(element.value(0), QStringLiteral("Size"));
        for (const QString& item : element)
            words.add(item, QStringLiteral("element menu"));
        editor.pressButton(kTextButton);
        editor.drag({100, 100}, {260, 160});
        QVERIFY(dynamic_cast<CTextElement*>(editor.canvas().current()));
        for (const QString& item : contextMenuAt(editor, {120, 120}))
            words.add(item, QStringLiteral("label menu"));
        EXPECT_ALL_ENGLISH(words);
    }

    void everyParameterDialogAndItsRefusals()
    {
        SpeakingEnglish english;
        std::vector<DialogModel> models = {
            dialogs::modelOf(dialogs::ChartParameters{}),     dialogs::modelOf(dialogs::LabelText{}),
            dialogs::modelOf(dialogs::RowParameters{}),       dialogs::modelOf(dialogs::ArcParameters{}),
            dialogs::modelOf(dialogs::LoopedArcParameters{}), dialogs::modelOf(dialogs::ChainRingParameters{}),
            dialogs::modelOf(dialogs::ScaleFactors{})};
        Words words;
        for (DialogModel& model : models) {
            {
                app::ParameterDialog dialog(model, nullptr);
                words.addWidget(dialog);
            }
            // Each field refused in turn, with the message the user reads.
            for (const DialogField& field : model.fields()) {
                DialogModel refused = model;
                for (const DialogField& other : model.fields())
                    refused.setFieldText(other.key, other.type == FieldType::Text ? "" : formatDecimal(other.maximum));
                refused.setFieldText(field.key, field.type == FieldType::Text ? "日本" : "x");
                const auto error = refused.validate();
                QVERIFY2(error, qPrintable(QString::fromStdString(field.key)));
                words.add(QString::fromStdString(error->message), QStringLiteral("refusal"));
            }
        }
        EXPECT_ALL_ENGLISH(words);
    }

    void questionsAndMessages()
    {
        SpeakingEnglish english;
        Editor editor;
        Words words;
        wordsOfModal<QMessageBox>(words, [](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
        QCOMPARE(app::askSaveChanges(&editor.frame(), QStringLiteral("Chart1")), SaveChanges::Cancel);
        wordsOfModal<QMessageBox>(words, [](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QVERIFY(!app::askYesNo(&editor.frame(), QStringLiteral("?")));
        wordsOfModal<QMessageBox>(words);
        QVERIFY(!app::offerSaveAs(&editor.frame(), QStringLiteral("?")));
        words.add(app::recentFileGone(QStringLiteral("/gone.loopora")), QStringLiteral("recent file"));

        wordsOfModal<QMessageBox>(words, [](QMessageBox* box) { box->accept(); });
        QVERIFY(!editor.frame().start({QStringLiteral("/nonexistent/loopora/chart")}));

        editor.newChart();
        wordsOfModal<QMessageBox>(words, [](QMessageBox* box) { box->accept(); });
        QVERIFY(!editor.app().saveChartAs("/nonexistent/loopora/chart.loopora"));
        // A write-protected file: Save As is offered, and declined.
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("kept.loopora"));
        QVERIFY(editor.app().saveChartAs(kept.toStdString()));
        QVERIFY(QFile::setPermissions(kept, QFile::ReadOwner));
        wordsOfModal<QMessageBox>(words);
        QVERIFY(!editor.app().saveChartAs(kept.toStdString()));
        wordsOfModal<QMessageBox>(words, [](QMessageBox* box) { box->accept(); });
        QVERIFY(!editor.app().exportBitmap("/nonexistent/loopora/picture.bmp"));

        // A refused value in a dialog the user confirmed.
        DialogModel row = dialogs::modelOf(dialogs::RowParameters{});
        row.setFieldText("count", "99");
        app::ParameterDialog dialog(row, &editor.frame());
        wordsOfModal<QMessageBox>(words, [](QMessageBox* box) { box->accept(); });
        dialog.accept();
        QApplication::processEvents();
        EXPECT_ALL_ENGLISH(words);
        QVERIFY(words.count() >= 6 * 2);
    }

    void filePromptsAboutAndQtsDialogs()
    {
        SpeakingEnglish english;
        Editor editor;
        editor.newChart();
        Words words;
        QStringList filters;
        wordsOfModal<QFileDialog>(words, [&filters](QFileDialog* d) {
            filters += d->nameFilters();
            d->reject();
        });
        QVERIFY(!app::askChartToOpen(&editor.frame()));
        wordsOfModal<QFileDialog>(words, [&filters](QFileDialog* d) {
            filters += d->nameFilters();
            d->reject();
        });
        QVERIFY(!app::askChartToSave(&editor.frame(), QStringLiteral("Chart1")));
        wordsOfModal<QFileDialog>(words, [&filters](QFileDialog* d) {
            filters += d->nameFilters();
            d->reject();
        });
        QVERIFY(!app::askBitmapToSave(&editor.frame()));
        QCOMPARE(filters, QStringList({"Loopora charts (*.loopora)", "All files (*)", "Loopora charts (*.loopora)",
                                       "All files (*)", "BMP files (*.bmp)", "All files (*.*)"}));

        // The exports: their file prompts with their filters, and the options dialog of each format.
        filters.clear();
        for (uint16_t id : {cmd::kExportPdf, cmd::kExportSvg, cmd::kExportPng}) {
            wordsOfModal<QFileDialog>(words, [&filters](QFileDialog* d) {
                filters += d->nameFilters();
                d->reject();
            });
            editor.frame().command(id);
        }
        QCOMPARE(filters, QStringList({"PDF documents (*.pdf)", "All files (*)", "SVG drawings (*.svg)", "All files (*)",
                                       "PNG pictures (*.png)", "All files (*)"}));
        for (DrawingFormat format : {DrawingFormat::Pdf, DrawingFormat::Svg, DrawingFormat::Png}) {
            app::ExportOptionsDialog options(format, nullptr);
            words.addWidget(options);
        }

        wordsOfModal<app::AboutDialog>(words);
        editor.frame().command(cmd::kAbout);
        wordsOfModal<app::PatternDialog>(words);
        editor.frame().command(cmd::kChartFromPattern);
        wordsOfModal<QColorDialog>(words);
        editor.frame().command(cmd::kDrawingColour);
        wordsOfModal<QPrintDialog>(words);
        editor.frame().command(cmd::kPrint);
        wordsOfModal<QPrintPreviewDialog>(words);
        editor.frame().command(cmd::kPrintPreview);
        EXPECT_ALL_ENGLISH(words);
    }
};

LOOPORA_GUI_TEST(EnglishWalkTest);
#include "EnglishWalkTest.moc"
