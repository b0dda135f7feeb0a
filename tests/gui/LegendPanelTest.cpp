// The key panel: hidden at first and toggled from the View menu with its
// check mark following; while shown it lists what the active chart holds,
// following drawing, selecting, undo and redo as they happen; the symbol
// buttons' tool tips name their stitch.

#include "GuiSupport.h"

#include "app/LegendPanel.h"
#include "app/MainMenus.h"
#include "app/Palettes.h"
#include "view/CommandIds.h"

#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using namespace loopora;
using namespace loopora::test;

namespace {

constexpr uint16_t kDoubleButton = 32805;
constexpr uint16_t kChainButton = 32771;

// The rows as "abbreviation name in-chart in-selection".
QStringList rowsOf(app::LegendPanel& panel)
{
    QStringList out;
    QTreeWidget& table = panel.table();
    for (int i = 0; i < table.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = table.topLevelItem(i);
        QString row = item->text(app::LegendPanel::Abbreviation) + QLatin1Char('|') +
                      item->text(app::LegendPanel::Name) + QLatin1Char('|') + item->text(app::LegendPanel::InChart);
        if (!table.isColumnHidden(app::LegendPanel::InSelection))
            row += QLatin1Char('|') + item->text(app::LegendPanel::InSelection);
        out.append(row);
    }
    return out;
}

} // namespace

class LegendPanelTest : public QObject {
    Q_OBJECT
private slots:
    void hiddenUntilTheViewMenuShowsIt()
    {
        Editor editor;
        editor.newChart();
        app::LegendPanel& panel = editor.frame().legend();
        QCOMPARE(panel.windowTitle(), QStringLiteral("Легенда"));
        QVERIFY(panel.isHidden());
        QAction* item = editor.frame().menus().actions(cmd::kToggleLegend).value(0);
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Легенда"));
        QVERIFY(!item->isChecked());
        item->trigger();
        QVERIFY(!panel.isHidden());
        QVERIFY(item->isChecked());
        editor.frame().command(cmd::kToggleLegend);
        QVERIFY(panel.isHidden());
        QVERIFY(!item->isChecked());
    }

    void followsDrawingSelectionUndoAndRedo()
    {
        Editor editor;
        editor.newChart();
        app::LegendPanel& panel = editor.frame().legend();
        editor.frame().command(cmd::kToggleLegend);
        QCOMPARE(rowsOf(panel), QStringList());

        // A placed symbol is selected: the selection's column shows.
        editor.pressButton(kDoubleButton);
        editor.drag({100, 300}, {100, 200});
        QCOMPARE(rowsOf(panel), QStringList({"ссн|столбик с накидом|1|1"}));
        editor.drag({160, 300}, {160, 200});
        editor.pressButton(kChainButton);
        editor.drag({250, 300}, {300, 300});
        QCOMPARE(rowsOf(panel), QStringList({"в. п.|воздушная петля|1|1", "ссн|столбик с накидом|2|0"}));
        QCOMPARE(panel.totals().text(),
                 QStringLiteral("Символов: 3 · Провязано в петли: 2 · Получено петель: 3\n"
                                "Выделено: Символов: 1 · Провязано в петли: 0 · Получено петель: 1"));

        QTest::keyClick(editor.frame().windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rowsOf(panel), QStringList({"ссн|столбик с накидом|2"}));
        editor.frame().command(cmd::kUndo);
        QCOMPARE(rowsOf(panel), QStringList({"ссн|столбик с накидом|1"}));
        QCOMPARE(panel.totals().text(), QStringLiteral("Символов: 1 · Провязано в петли: 1 · Получено петель: 1"));
        editor.frame().command(cmd::kRedo);
        editor.frame().command(cmd::kRedo);
        QCOMPARE(rowsOf(panel), QStringList({"в. п.|воздушная петля|1", "ссн|столбик с накидом|2"}));

        // While hidden it counts nothing; shown again it has caught up.
        editor.frame().command(cmd::kToggleLegend);
        editor.frame().command(cmd::kUndo);
        editor.frame().command(cmd::kToggleLegend);
        QCOMPARE(rowsOf(panel), QStringList({"ссн|столбик с накидом|2"}));

        // Without a chart the key is empty.
        editor.app().closeAll();
        editor.frame().refreshState();
        QCOMPARE(rowsOf(panel), QStringList());
        QCOMPARE(panel.totals().text(), QStringLiteral("Символов: 0 · Провязано в петли: 0 · Получено петель: 0"));
    }

    void followsDeletingPastingAndTheActiveChart()
    {
        Editor editor;
        editor.newChart();
        app::LegendPanel& panel = editor.frame().legend();
        editor.frame().command(cmd::kToggleLegend);
        editor.pressButton(kDoubleButton);
        editor.drag({100, 300}, {100, 200});
        editor.drag({160, 300}, {160, 200});
        QTest::keyClick(editor.activeViewport(), Qt::Key_Delete);
        QCOMPARE(rowsOf(panel), QStringList({"ссн|столбик с накидом|1"}));

        // Copies pasted count like the symbols they were copied from.
        editor.pressButton(cmd::kSelect);
        editor.click({100, 250});
        editor.frame().command(cmd::kCopy);
        editor.frame().command(cmd::kPaste);
        editor.frame().command(cmd::kPaste);
        QCOMPARE(rowsOf(panel), QStringList({"ссн|столбик с накидом|3|1"}));

        // Another chart shows its own key, and the first one's comes back with it.
        editor.newChart();
        QCOMPARE(rowsOf(panel), QStringList());
        editor.pressButton(kChainButton);
        editor.drag({250, 300}, {300, 300});
        QCOMPARE(rowsOf(panel), QStringList({"в. п.|воздушная петля|1|1"}));
        editor.frame().command(cmd::kNextPane);
        QCOMPARE(rowsOf(panel), QStringList({"ссн|столбик с накидом|3|1"}));
    }

    void opensWideEnoughForItsRowsAndNamesKeepTheirRoom()
    {
        Editor editor;
        editor.newChart();
        app::LegendPanel& panel = editor.frame().legend();
        QTreeWidget& table = panel.table();
        editor.pressButton(kChainButton);
        editor.drag({250, 300}, {300, 300});
        editor.pressButton(32914); // 3 ссн из одной петли
        editor.drag({100, 300}, {100, 200});
        editor.frame().command(cmd::kToggleLegend);
        auto namesShownWhole = [&] {
            const QAbstractItemView& view = table;
            return table.columnWidth(app::LegendPanel::Name) >= view.sizeHintForColumn(app::LegendPanel::Name);
        };
        // Something selected: the selection's column shows beside the names.
        QVERIFY(!table.isColumnHidden(app::LegendPanel::InSelection));
        QTRY_VERIFY(namesShownWhole());

        // Shown again without a selection, then one made: the names keep their room.
        editor.frame().command(cmd::kToggleLegend);
        editor.pressButton(cmd::kSelect);
        editor.click({150, 50});
        editor.frame().command(cmd::kToggleLegend);
        QVERIFY(table.isColumnHidden(app::LegendPanel::InSelection));
        QTRY_VERIFY(namesShownWhole());
        editor.click({100, 250});
        QVERIFY(!table.isColumnHidden(app::LegendPanel::InSelection));
        QTRY_VERIFY(namesShownWhole());

        // A name with too little room is shortened in its middle; the tip has it whole.
        QCOMPARE(table.textElideMode(), Qt::ElideMiddle);
        for (int i = 0; i < table.topLevelItemCount(); ++i)
            QCOMPARE(table.topLevelItem(i)->toolTip(app::LegendPanel::Name),
                     table.topLevelItem(i)->text(app::LegendPanel::Name));
    }

    void symbolPicturesAreTheSymbols()
    {
        Editor editor;
        editor.newChart();
        editor.frame().command(cmd::kToggleLegend);
        editor.drag({100, 300}, {100, 200});
        QTreeWidgetItem* row = editor.frame().legend().table().topLevelItem(0);
        QVERIFY(row);
        const QImage picture = row->icon(app::LegendPanel::Picture).pixmap(32, 32).toImage();
        int ink = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ink += qAlpha(picture.pixel(x, y)) > 0;
        QVERIFY(ink > 20);
    }

    void symbolButtonsNameTheirStitch()
    {
        Editor editor;
        app::Palettes& palettes = editor.frame().palettes();
        QCOMPARE(palettes.button(kDoubleButton)->toolTip(), QStringLiteral("ccc4\nстолбик с накидом — ссн"));
        QCOMPARE(palettes.button(kDoubleButton)->text(), QStringLiteral("ccc4"));
        QCOMPARE(palettes.button(32914)->toolTip(), QStringLiteral("double1to3\n3 ссн из одной петли — 3 ссн в 1 п."));
        QCOMPARE(palettes.button(33046)->toolTip(), QStringLiteral("text\nтекстовая метка"));
        QCOMPARE(palettes.button(32856)->toolTip(), QStringLiteral("circle\nкольцо амигуруми — КА"));
        QCOMPARE(palettes.button(cmd::kSelect)->toolTip(), QStringLiteral("Выбор"));
    }
};

LOOPORA_GUI_TEST(LegendPanelTest);
#include "LegendPanelTest.moc"
