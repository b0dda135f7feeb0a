// The chart view's context menus as the user meets them: right-clicking with
// no current element, after making a text label current, after placing a
// symbol; the commands they lead to and the dialogs those open, including a
// refused value and a refused label text, and a round of increases.

#include "GuiSupport.h"

#include "app/ParameterDialog.h"
#include "arrangements/ArcArrangement.h"
#include "document/TypeTable.h"
#include "elements/TextElement.h"
#include "view/CommandIds.h"

#include <QColorDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

namespace {

constexpr uint16_t kTextButton = 33046;

// Opens the context menu at a point, notes its items and chooses one by text
// (or closes it when the text is empty).
QStringList contextMenuAt(Editor& editor, QPoint at, const QString& choose = {})
{
    QStringList items;
    whenPopup([&items, choose](QMenu* menu) {
        items = itemTexts(*menu);
        for (QAction* action : menu->actions())
            if (!choose.isEmpty() && action->text() == choose) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    editor.rightClick(at);
    QApplication::processEvents();
    return items;
}

} // namespace

class ContextMenuTest : public QObject {
    Q_OBJECT
private slots:
    void noCurrentElementOffersTheChartParameters()
    {
        Editor editor;
        editor.newChart();
        QCOMPARE(contextMenuAt(editor, {300, 300}), QStringList({"Параметры схемы"}));
    }

    void aSymbolOffersTheElementCommands()
    {
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        QCOMPARE(contextMenuAt(editor, {200, 250}),
                 QStringList({"Размер", "Цвет", "Разгруппировать", "Перевернуть вправо", "Перевернуть вниз", "Создать ряд",
                              "Создать дугу", "Создать дугу с петлями"}));
    }

    void aTextLabelOffersItsTextAndColour()
    {
        Editor editor;
        editor.newChart();
        editor.pressButton(kTextButton);
        editor.drag({100, 100}, {260, 160});
        auto* label = dynamic_cast<CTextElement*>(editor.canvas().current());
        QVERIFY(label);

        QString title;
        whenModal<app::ParameterDialog>([&title](app::ParameterDialog* dialog) {
            title = dialog->windowTitle();
            auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("text"));
            text->setFocus();
            QTest::keyClicks(text, QStringLiteral("Row 1"));
            QTest::keyClick(text, Qt::Key_Return); // a new line, not OK
            QTest::keyClicks(text, QStringLiteral("Row 2"));
            QVERIFY(dialog->isVisible());
            press(dialog, QStringLiteral("ok"));
        });
        QCOMPARE(contextMenuAt(editor, {150, 130}, QStringLiteral("Текст")), QStringList({"Текст", "Цвет"}));
        QCOMPARE(title, QStringLiteral("Текстовая метка"));
        QCOMPARE(label->text(), std::string("Row 1\r\nRow 2"));
        QVERIFY(editor.app().isModified(0));
    }

    void aLabelTextTheChartCannotStoreIsRefused()
    {
        Editor editor;
        editor.newChart();
        editor.pressButton(kTextButton);
        editor.drag({100, 100}, {260, 160});
        auto* label = dynamic_cast<CTextElement*>(editor.canvas().current());
        QString refusal;
        bool stillOpen = false;
        whenModal<app::ParameterDialog>([&](app::ParameterDialog* dialog) {
            auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("text"));
            text->setPlainText(QStringLiteral("петля ★"));
            whenModal<QMessageBox>([&, text](QMessageBox* box) {
                refusal = box->text();
                box->accept();
                // Back in the dialog once the message has gone.
                whenModal<app::ParameterDialog>([&, text](app::ParameterDialog* again) {
                    // The dialog takes the focus back once the message has
                    // gone, which may be a moment after it is modal again.
                    stillOpen = QTest::qWaitFor([&] { return again->focusWidget() == text; }, 5000);
                    text->setPlainText(QStringLiteral("петля"));
                    press(again, QStringLiteral("ok"));
                });
            });
            press(dialog, QStringLiteral("ok"));
        });
        contextMenuAt(editor, {150, 130}, QStringLiteral("Текст"));
        QVERIFY2(refusal.contains(QStringLiteral("нельзя сохранить")), qPrintable(refusal));
        QVERIFY(stillOpen);
        QCOMPARE(label->text(), std::string("петля"));
    }

    void aBadValueKeepsTheDialogOpenWithTheFieldFocused()
    {
        Editor editor;
        editor.newChart();
        QString refusal;
        bool focused = false;
        whenModal<app::ParameterDialog>([&](app::ParameterDialog* dialog) {
            QLineEdit* width = lineEdit(dialog, "width");
            width->setText(QStringLiteral("50"));
            whenModal<QMessageBox>([&, width](QMessageBox* box) {
                refusal = box->text();
                box->accept();
                whenModal<app::ParameterDialog>([&, width](app::ParameterDialog* again) {
                    focused = QTest::qWaitFor(
                        [&] { return again->focusWidget() == width && width->selectedText() == QStringLiteral("50"); }, 5000);
                    width->setText(QStringLiteral("300"));
                    press(again, QStringLiteral("ok"));
                });
            });
            press(dialog, QStringLiteral("ok"));
        });
        contextMenuAt(editor, {300, 300}, QStringLiteral("Параметры схемы"));
        QCOMPARE(refusal, QStringLiteral("«Ширина основы»: введите целое число от 100 до 600."));
        QVERIFY(focused);
        QCOMPARE(editor.app().active()->document->chartWidth(), 300);
        QVERIFY(editor.app().isModified(0));
    }

    void elementColourStartsFromBlack()
    {
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        QColor initial;
        whenModal<QColorDialog>([&initial](QColorDialog* dialog) {
            initial = dialog->currentColor();
            dialog->setCurrentColor(QColor(200, 0, 0));
            dialog->accept();
        });
        contextMenuAt(editor, {200, 250}, QStringLiteral("Цвет"));
        QCOMPARE(initial, QColor(Qt::black));
        QCOMPARE(editor.canvas().child(0)->penColour(), rgb(200, 0, 0));
    }

    // A round of twelve 2-sc increases, and of twelve 3-dc shells: the
    // symbol from its palette button, the arc from the context menu.
    void aRoundOfIncreasesIsOneArc()
    {
        for (const char* tool : {"single1to2", "double1to3"}) {
            Editor editor;
            editor.newChart();
            editor.pressButton(elementTypeNamed(tool)->command());
            editor.drag({300, 500}, {300, 460});
            whenModal<app::ParameterDialog>([](app::ParameterDialog* dialog) {
                lineEdit(dialog, "count")->setText(QStringLiteral("12"));
                press(dialog, QStringLiteral("ok"));
            });
            contextMenuAt(editor, {300, 480}, QStringLiteral("Создать дугу"));
            editor.drag({300, 300}, {300, 240});
            QCOMPARE(editor.canvas().childCount(), size_t(2));
            auto* arc = dynamic_cast<CArcArrangement*>(editor.canvas().child(1));
            QVERIFY2(arc, tool);
            QCOMPARE(arc->childCount(), size_t(12));
            for (const auto& copy : arc->children())
                QCOMPARE(copy->typeId(), typeIdOfName(tool));
        }
    }

    void chainRingButtonAsksForItsValues()
    {
        Editor editor;
        editor.newChart();
        QString title;
        whenModal<app::ParameterDialog>([&title](app::ParameterDialog* dialog) {
            title = dialog->windowTitle();
            press(dialog, QStringLiteral("Cancel"));
        });
        editor.frame().command(cmd::kChainRing);
        QCOMPARE(title, QStringLiteral("Круг петель"));
        QCOMPARE(QString::fromStdString(editor.app().activeView()->tools().currentToolName()), QStringLiteral("chainsring"));
    }
};

LOOPORA_GUI_TEST(ContextMenuTest);
#include "ContextMenuTest.moc"
