// Start-up as the program runs it: the new-chart dialog confirmed or
// cancelled, a chart named on the command line, one that cannot be read; the
// main window's title, menus, palettes and status bar as they come up.

#include "GuiSupport.h"

#include "BuildInfo.h"
#include "app/Palettes.h"
#include "app/MainMenus.h"
#include "app/StatusPanes.h"
#include "app/ChildFrame.h"
#include "app/ParameterDialog.h"
#include "elements/PrototypeTable.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace loopora;
using namespace loopora::test;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void newChartDialogConfirmed()
    {
        app::CMainFrame frame;
        QString title, width, height, spacing, background;
        bool hasCancel = true;
        whenModal<app::ParameterDialog>([&](app::ParameterDialog* dialog) {
            title = dialog->windowTitle();
            width = lineEdit(dialog, "width")->text();
            height = lineEdit(dialog, "height")->text();
            spacing = lineEdit(dialog, "spacing")->text();
            auto* box = dialog->findChild<QGroupBox*>(QStringLiteral("background"));
            for (QRadioButton* radio : box->findChildren<QRadioButton*>())
                if (radio->isChecked())
                    background = radio->text();
            hasCancel = dialog->findChild<QWidget*>(QStringLiteral("cancel")) != nullptr;
            lineEdit(dialog, "width")->setText(QStringLiteral("400"));
            press(dialog, QStringLiteral("ОК"));
        });
        QVERIFY(frame.start({}));
        QCOMPARE(title, QStringLiteral("Параметры схемы"));
        QCOMPARE(width, QStringLiteral("600"));
        QCOMPARE(height, QStringLiteral("600"));
        QCOMPARE(background, QStringLiteral("Круг"));
        QCOMPARE(spacing, QStringLiteral("30"));
        QVERIFY(!hasCancel);
        QCOMPARE(frame.app().chartCount(), size_t(1));
        QCOMPARE(frame.app().active()->document->chartWidth(), 400);
        QCOMPARE(frame.app().active()->document->chartHeight(), 600);
        QCOMPARE(frame.app().active()->document->canvas().backgroundKind(), 1);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.windowTitle(), QStringLiteral("LooporaRus"));
        QCOMPARE(frame.childFrame(0)->caption(), QStringLiteral("Схема1"));
        QCOMPARE(frame.childFrame(0)->windowTitle(), QStringLiteral("Схема1[*]"));
        QCOMPARE(frame.childFrame(0)->pos(), QPoint(0, 0));
    }

    void newChartDialogCancelled()
    {
        app::CMainFrame frame;
        whenModal<app::ParameterDialog>([](app::ParameterDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QVERIFY(!frame.start({}));
        QCOMPARE(frame.app().chartCount(), size_t(0));
    }

    void chartNamedOnTheCommandLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart"));
        {
            app::CMainFrame maker;
            maker.app().newChart(300, 200, 2, 20);
            QVERIFY(maker.app().saveChartAs(path.toStdString()));
        }
        app::CMainFrame frame;
        QVERIFY(frame.start({path}));
        QCOMPARE(frame.app().active()->document->chartWidth(), 300);
        QCOMPARE(frame.app().active()->document->canvas().backgroundKind(), 2);
        QCOMPARE(frame.childFrame(0)->caption(), QStringLiteral("chart"));
    }

    void unreadableChartEndsTheStart()
    {
        app::CMainFrame frame;
        QString message;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        QVERIFY(!frame.start({QStringLiteral("/nonexistent/loopora/chart")}));
        QVERIFY2(message.startsWith(QStringLiteral("Не удалось открыть схему.")), qPrintable(message));
        QCOMPARE(frame.app().chartCount(), size_t(0));
    }

    void menusFollowTheOpenCharts()
    {
        Editor editor;
        QMenuBar* bar = editor.frame().menuBar();
        auto titles = [bar] {
            QStringList out;
            for (QAction* a : bar->actions())
                out.append(a->text());
            return out;
        };
        QCOMPARE(titles(), QStringList({"Файл (&F)", "Вид (&V)", "Справка (&H)"}));
        QCOMPARE(itemTexts(*editor.frame().menus().menus(false)[0]),
                 QStringList({"Создать (&N)\tCtrl+N", "Создать по описанию…", "Открыть(&O)\tCtrl+O", "Выход (&X)"}));
        QCOMPARE(itemTexts(*editor.frame().menus().menus(false)[1]),
                 QStringList({"Панель инструментов (&T)", "Строка статуса (&S)", "Крупные значки", "Язык"}));
        editor.newChart();
        QCOMPARE(titles(), QStringList({"Файл(&F)", "Редактировать(&E)", "Вид(&V)", "Окно(&W)", "Справка (&H)"}));
        const QList<QMenu*>& menus = editor.frame().menus().menus(true);
        QCOMPARE(itemTexts(*menus[0]), QStringList({"Создать (&N)\tCtrl+N", "Создать по описанию…", "Открыть (&O)\tCtrl+O", "Сохранить (&S)\tCtrl+S",
                                                    "Сохранить как…\tCtrl+Shift+S", "Закрыть (&C)",
                                                    "Сохранить в формате BMP", "Экспорт в PDF…", "Экспорт в SVG…",
                                                    "Экспорт в PNG…", "Печать…\tCtrl+P", "Предварительный просмотр",
                                                    "Выход (&X)"}));
        QCOMPARE(itemTexts(*menus[1]), QStringList({"Отменить (&U)\tCtrl+Z", "Повторить\tCtrl+Y", "Вырезать (&T)\tCtrl+X",
                                                    "Копировать (&C)\tCtrl+C", "Вставить (&P)\tCtrl+V"}));
        QCOMPARE(itemTexts(*menus[2]),
                 QStringList({"Панель инструментов (&T)", "Строка статуса (&S)", "Простые символы", "Группы символов",
                              "Группы с петлями", "Группы с петлями 2", "Группы с петлями 3",
                              "Дополнительные символы", "Легенда", "Описание", "Номера рядов", "Масштаб",
                              "Крупные значки", "Язык"}));
        QCOMPARE(itemTexts(*menus[3]), QStringList({"Новое (&N)", "Каскад (&C)", "Мозаика (&T)", "Упорядочить (&A)"}));
        QCOMPARE(itemTexts(*menus[4]), QStringList({"О программе Loopora (&A)..."}));
        editor.app().closeAll();
        QCOMPARE(titles().size(), 3);
    }

    void palettesAndStatusBarAtStart()
    {
        Editor editor;
        app::Palettes& palettes = editor.frame().palettes();
        for (const PaletteInfo& info : loopora::palettes()) {
            QToolBar* bar = palettes.palette(info.number);
            QCOMPARE(!bar->isHidden(), info.visibleAtStart);
            QCOMPARE(bar->iconSize(), QSize(info.buttonWidth, info.buttonHeight));
            QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
            QVERIFY(bar->isFloatable());
            QCOMPARE(editor.frame().toolBarArea(bar),
                     info.side == DockSide::Left ? Qt::LeftToolBarArea : Qt::TopToolBarArea);
            QCOMPARE(bar->actions().size(), qsizetype(info.buttons.size())); // separators among them
        }
        QCOMPARE(palettes.palette(1)->actions().size(), 11); // ten buttons and a separator
        QCOMPARE(palettes.button(cmd::kSaveBitmap)->toolTip(), QStringLiteral("Сохранить BMP"));
        QCOMPARE(palettes.button(cmd::kSaveBitmap)->statusTip(), QStringLiteral("Сохранить в формате BMP"));
        QCOMPARE(palettes.button(32805)->toolTip(), QStringLiteral("ccc4\nстолбик с накидом — ссн"));
        // Symbols without a tool tip of their own are named by their type.
        QCOMPARE(palettes.button(32972)->toolTip(),
                 QStringLiteral("treble1to2flat\n2 с2н из одной петли (ровный верх) — 2 с2н в 1 п."));
        QVERIFY(!palettes.button(32972)->icon().isNull());
        QCOMPARE(editor.frame().statusPanes().idleText(), QStringLiteral("Готов"));
        QCOMPARE(editor.frame().statusPanes().chartText(), QStringLiteral(" "));
    }

    void aboutBox()
    {
        Editor editor;
        QString title;
        QStringList labels;
        whenModal<QDialog>([&](QDialog* about) {
            title = about->windowTitle();
            for (QLabel* label : about->findChildren<QLabel*>())
                labels.append(label->text());
            press(about, QStringLiteral("OK"));
        });
        editor.pressButton(cmd::kAbout);
        QCOMPARE(title, QStringLiteral("О программе Loopora"));
        QVERIFY(labels.contains(QStringLiteral("Loopora Russian")));
        QVERIFY(labels.contains(QStringLiteral("Версия ") + QString::fromUtf8(kVersion.data(), qsizetype(kVersion.size()))));
    }

    void aboutBoxLeavesTheClipboardAlone()
    {
        // The about box draws the program's icon on a canvas of its own; the
        // copied symbol must still be there to paste afterwards.
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        QCOMPARE(editor.canvas().childCount(), size_t(1));
        editor.pressButton(cmd::kCopy);
        whenModal<QDialog>([](QDialog* about) { press(about, QStringLiteral("OK")); });
        editor.pressButton(cmd::kAbout);
        editor.activate();
        editor.pressButton(cmd::kPaste);
        QCOMPARE(editor.canvas().childCount(), size_t(2));
    }
};

LOOPORA_GUI_TEST(StartupTest);
#include "StartupTest.moc"
