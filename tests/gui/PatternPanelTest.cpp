// The pattern panel and the round numbers: both hidden at first and toggled
// from the View menu with their check marks following; the panel shows the
// active chart's written instructions and warnings after every finished
// edit, undo and redo, and never reads the chart while the pointer moves;
// its lines select what they name. The round numbers are drawn over the
// chart window, not into the chart's pixels.

#include "GuiSupport.h"

#include "app/ChartViewWidget.h"
#include "app/MainMenus.h"
#include "app/PatternPanel.h"
#include "view/CommandIds.h"

#include <QTest>
#include <QTextBrowser>
#include <QUrl>

using namespace loopora;
using namespace loopora::test;

namespace {

constexpr uint16_t kDoubleButton = 32805;
constexpr uint16_t kCircleButton = 32856;

// A magic ring about (200, 200) and four doubles standing round it.
void drawRingOfFour(Editor& editor)
{
    editor.pressButton(kCircleButton);
    editor.drag({180, 200}, {220, 200});
    editor.pressButton(kDoubleButton);
    editor.drag({200, 180}, {200, 140});
    editor.drag({180, 200}, {140, 200});
    editor.drag({200, 220}, {200, 260});
    editor.drag({220, 200}, {260, 200});
}

bool shows(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class PatternPanelTest : public QObject {
    Q_OBJECT
private slots:
    void hiddenUntilTheViewMenuShowsThem()
    {
        Editor editor;
        editor.newChart();
        app::PatternPanel& panel = editor.frame().pattern();
        QCOMPARE(panel.windowTitle(), QStringLiteral("Описание"));
        QVERIFY(panel.isHidden());
        QVERIFY(!editor.frame().showsRoundNumbers());
        for (auto [id, text] : {std::pair{cmd::kTogglePattern, "Описание"}, std::pair{cmd::kRoundNumbers, "Номера рядов"}}) {
            QAction* item = editor.frame().menus().actions(id).value(0);
            QVERIFY(item);
            QCOMPARE(item->text(), QString::fromUtf8(text));
            QVERIFY(!item->isChecked());
            item->trigger();
            QVERIFY(item->isChecked());
            editor.frame().command(id);
            QVERIFY(!item->isChecked());
        }
        QVERIFY(panel.isHidden());
    }

    void followsEditsUndoAndRedoAndSelectsWhatALineNames()
    {
        Editor editor;
        editor.newChart();
        app::PatternPanel& panel = editor.frame().pattern();
        editor.frame().command(cmd::kTogglePattern);
        drawRingOfFour(editor);
        QCOMPARE(panel.lines(), QStringList({"Сделать кольцо амигуруми.", "1-й круговой ряд: 4 ссн в кольцо. (4 ссн)"}));
        // Three doubles on half the ring no longer go round it: they are a row.
        editor.frame().command(cmd::kUndo);
        QCOMPARE(panel.lines().value(1), QStringLiteral("1-й ряд: 3 ссн в кольцо, повернуть работу. (3 ссн)"));
        editor.frame().command(cmd::kRedo);
        QCOMPARE(panel.lines().value(1), QStringLiteral("1-й круговой ряд: 4 ссн в кольцо. (4 ссн)"));

        panel.choose(QUrl(QStringLiteral("round:1")));
        QCOMPARE(editor.canvas().selection().size(), size_t(4));

        // A double drawn off into nowhere: the warning names it.
        editor.drag({330, 330}, {330, 290});
        const QStringList lines = panel.lines();
        QCOMPARE(lines.value(2), QStringLiteral("Предупреждения"));
        QVERIFY2(lines.value(3).contains(QStringLiteral("провязан в никуда")), qPrintable(lines.join('\n')));
        panel.choose(QUrl(QStringLiteral("warning:0")));
        QCOMPARE(editor.canvas().selection().size(), size_t(1));
        QCOMPARE(editor.canvas().selection().members().front(), editor.canvas().child(editor.canvas().childCount() - 1));

        // The text can be selected and copied.
        panel.text().selectAll();
        QVERIFY(panel.text().textCursor().selectedText().contains(QStringLiteral("кольцо амигуруми")));
    }

    void readsNothingWhileThePointerMoves()
    {
        Editor editor;
        editor.newChart();
        editor.frame().command(cmd::kTogglePattern);
        editor.frame().command(cmd::kRoundNumbers);
        drawRingOfFour(editor);
        const size_t reads = editor.frame().readings().reads();
        QWidget* view = editor.activeViewport();
        editor.pressButton(kDoubleButton);
        QTest::mousePress(view, Qt::LeftButton, {}, {300, 300});
        for (int i = 1; i <= 20; ++i)
            QTest::mouseMove(view, QPoint(300, 300 - 3 * i));
        QApplication::processEvents();
        QCOMPARE(editor.frame().readings().reads(), reads);
        QTest::mouseRelease(view, Qt::LeftButton, {}, {300, 240});
        QApplication::processEvents();
        QCOMPARE(editor.frame().readings().reads(), reads + 1);
        // Selecting, which changes no stitch, reads nothing either.
        editor.pressButton(cmd::kSelect);
        editor.click({200, 160});
        QCOMPARE(editor.frame().readings().reads(), reads + 1);
    }

    void roundNumbersAreDrawnOverTheWindowNotIntoTheChart()
    {
        Editor editor;
        editor.newChart();
        drawRingOfFour(editor);
        auto* widget = qobject_cast<app::CPattraViewWidget*>(editor.activeViewport()->parentWidget());
        QVERIFY(widget);
        QVERIFY(!widget->hasOverlay());
        editor.frame().command(cmd::kRoundNumbers);
        QVERIFY(widget->hasOverlay());
        const QColor roundOne(24, 72, 176);
        QVERIFY(shows(editor.activeViewport()->grab().toImage(), roundOne));
        // The view's own pixels, which the bitmap is written from, hold none of it.
        const PixelBuffer& pixels = widget->view()->pixels();
        bool inPixels = false;
        for (int32_t y = 0; y < pixels.height(); ++y)
            for (int32_t x = 0; x < pixels.width(); ++x)
                inPixels = inPixels || (pixels.row(y)[x] & 0xFFFFFF) == 0x1848B0u;
        QVERIFY(!inPixels);
        editor.frame().command(cmd::kRoundNumbers);
        QVERIFY(!widget->hasOverlay());
        QVERIFY(!shows(editor.activeViewport()->grab().toImage(), roundOne));
    }
};

LOOPORA_GUI_TEST(PatternPanelTest);

#include "PatternPanelTest.moc"
