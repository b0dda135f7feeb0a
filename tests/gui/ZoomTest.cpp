// Zooming a chart window with real events: Ctrl and the wheel zoom about the
// pointer, keeping the chart point under it in a normal, a scrolled, a
// cascaded and a maximised window alike; the wheel alone scrolls; at any
// zoom the mouse places symbols at the chart points under it; what the
// window shows after scrolling is what the view drew, and at 50, 200 and
// 400 % it is the chart's shapes antialiased, as the PDF of the chart shows
// them at the same scale.

#include "GuiSupport.h"

#include "app/ChartViewWidget.h"
#include "app/ChildFrame.h"
#include "app/StatusPanes.h"
#include "export/ChartExport.h"
#include "support/InkAgreement.h"

#include <QMdiArea>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace loopora;
using namespace loopora::test;

namespace {

// Turns the wheel over a window point by notches (120 each), with keys held.
void turnWheel(QWidget* viewport, QPoint at, int notches, Qt::KeyboardModifiers keys)
{
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QApplication::processEvents();
}

// The viewport as the screen shows it.
QImage screenOf(QWidget* viewport)
{
    QApplication::processEvents();
    QWidget* window = viewport->window();
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    return shown.copy(QRect(viewport->mapTo(window, QPoint(0, 0)), viewport->size()));
}

PixelBuffer pixelsOf(const QImage& image)
{
    PixelBuffer pixels(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.at(x, y) = image.pixel(x, y) & 0xFFFFFFu;
    return pixels;
}

// The viewport as the screen shows it, against the view's own pixels.
bool screenShowsTheView(Editor& editor)
{
    const QImage shown = screenOf(editor.activeViewport());
    const PixelBuffer& pixels = editor.app().activeView()->pixels();
    if (shown.isNull())
        return false;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if ((shown.pixel(x, y) & 0xFFFFFFu) != pixels.at(x, y)) {
                qWarning("window pixel (%d, %d) shows %06x, the view drew %06x", x, y, shown.pixel(x, y) & 0xFFFFFFu,
                         pixels.at(x, y));
                return false;
            }
    return true;
}

// The chart's PDF at the size of one page the sheet's, rasterised by poppler
// at `percent` of the sheet's pixels.
QImage pdfAt(CPattraDoc& doc, int percent, const QTemporaryDir& dir)
{
    ExportOptions options;
    options.page.paper = PaperSize::Chart;
    std::vector<uint8_t> bytes;
    std::string error;
    if (!renderChartFile(doc, ExportFormat::Pdf, options, "zoom", bytes, error))
        return {};
    QFile pdf(dir.filePath(QStringLiteral("chart.pdf")));
    if (!pdf.open(QIODevice::WriteOnly))
        return {};
    pdf.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    pdf.close();
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-scale-to-x"),
                   QString::number(doc.chartWidth() * percent / 100), QStringLiteral("-scale-to-y"),
                   QString::number(doc.chartHeight() * percent / 100), pdf.fileName(), dir.filePath(QStringLiteral("page"))});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    return QImage(dir.filePath(QStringLiteral("page.png")));
}

// Pixels of a grey between black and white.
int greys(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) > 24 && qRed(p) < 232;
        }
    return count;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlWheelZoomsAboutThePointer()
    {
        Editor editor;
        editor.newChart(600, 600);
        QWidget* viewport = editor.activeViewport();
        const QSize windowSize = editor.frame().childFrame(0)->size();
        CPattraView* view = editor.app().activeView();
        const QPoint at(140, 90);
        const Point under = view->windowToChart({at.x(), at.y()});
        turnWheel(viewport, at, 1, Qt::ControlModifier);
        QCOMPARE(view->zoomPercent(), 150);
        QCOMPARE(view->windowToChart({at.x(), at.y()}), under);
        turnWheel(viewport, at, 4, Qt::ControlModifier);
        QCOMPARE(view->zoomPercent(), 600);
        QCOMPARE(view->windowToChart({at.x(), at.y()}), under);
        QCOMPARE(editor.frame().statusPanes().zoomText(), QStringLiteral("600%"));
        // The window keeps its size; the scroll range is the enlarged sheet.
        QCOMPARE(editor.frame().childFrame(0)->size(), windowSize);
        QCOMPARE(editor.frame().chartWidget(0)->horizontalScrollBar()->maximum(), 3600 - viewport->width());

        // Without Ctrl the wheel scrolls and the zoom stays.
        const int scrolled = editor.frame().chartWidget(0)->verticalScrollBar()->value();
        turnWheel(viewport, at, -1, {});
        QCOMPARE(view->zoomPercent(), 600);
        QVERIFY(editor.frame().chartWidget(0)->verticalScrollBar()->value() > scrolled);
        QCOMPARE(view->scrollPosition().y, editor.frame().chartWidget(0)->verticalScrollBar()->value());
        turnWheel(viewport, at, -8, Qt::ControlModifier);
        QCOMPARE(view->zoomPercent(), 25);
    }

    void ctrlWheelKeepsThePointUnderThePointerInEveryWindowState()
    {
        enum class State { Normal, Scrolled, Cascaded, Maximised };
        for (State state : {State::Normal, State::Scrolled, State::Cascaded, State::Maximised}) {
            Editor editor;
            editor.newChart(600, 600);
            if (state == State::Cascaded) {
                editor.newChart(600, 600);
                editor.frame().mdiArea().cascadeSubWindows();
            }
            if (state == State::Maximised)
                editor.frame().mdiArea().activeSubWindow()->showMaximized();
            QApplication::processEvents();
            auto* widget = editor.frame().chartWidget(editor.app().activeIndex());
            if (state == State::Scrolled) {
                widget->horizontalScrollBar()->setValue(widget->horizontalScrollBar()->maximum() / 2);
                widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->maximum());
            }
            QWidget* viewport = widget->viewport();
            const Viewport& shown = editor.app().activeView()->viewport();
            for (QPoint at : {QPoint(viewport->width() - 30, viewport->height() - 20), QPoint(37, 53),
                              QPoint(viewport->width() / 2, viewport->height() / 3)}) {
                const ShapePoint kept = shown.windowToSheet({double(at.x()), double(at.y())});
                // Up through every level, down through all of them, and up to 100 % again.
                for (int notch : {1, 1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 1, 1, 1}) {
                    turnWheel(viewport, at, notch, Qt::ControlModifier);
                    const ShapePoint now = shown.sheetToWindow(kept);
                    QVERIFY2(std::abs(now.x - at.x()) <= 0.5 && std::abs(now.y - at.y()) <= 0.5,
                             qPrintable(QStringLiteral("window state %1, at %2%: the point under (%3, %4) moved to "
                                                       "(%5, %6)")
                                            .arg(int(state))
                                            .arg(shown.zoomPercent())
                                            .arg(at.x())
                                            .arg(at.y())
                                            .arg(now.x)
                                            .arg(now.y)));
                }
                QCOMPARE(shown.zoomPercent(), 100);
                // The scroll bars stand where the view does.
                QCOMPARE(QPoint(widget->horizontalScrollBar()->value(), widget->verticalScrollBar()->value()),
                         QPoint(shown.scroll().x, shown.scroll().y));
            }
            QVERIFY(screenShowsTheView(editor));
        }
    }

    void theMousePlacesAtTheChartPointUnderIt()
    {
        Editor editor;
        editor.newChart(300, 300);
        turnWheel(editor.activeViewport(), {0, 0}, 3, Qt::ControlModifier);
        QCOMPARE(editor.app().activeView()->zoomPercent(), 300);
        editor.drag({241, 271}, {244, 181}); // chart (80, 90) to (81, 60)
        QCOMPARE(editor.canvas().childCount(), size_t(1));
        const CChartElement* stem = editor.canvas().child(0)->child(1);
        QCOMPARE(stem->points().front(), (Point{80, 90}));
        QVERIFY(screenShowsTheView(editor));
    }

    void scrollingAZoomedChartShowsWhatTheViewDrew()
    {
        Editor editor;
        editor.newChart(600, 600);
        editor.drag({100, 300}, {110, 200});
        auto* widget = editor.frame().chartWidget(0);
        turnWheel(editor.activeViewport(), {100, 250}, 2, Qt::ControlModifier);
        QVERIFY(screenShowsTheView(editor));
        for (int step = 0; step < 6; ++step) {
            widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->value() + 37);
            widget->horizontalScrollBar()->setValue(widget->horizontalScrollBar()->value() - 11);
            QVERIFY(screenShowsTheView(editor));
            QCOMPARE(editor.app().activeView()->scrollPosition(),
                     (Point{widget->horizontalScrollBar()->value(), widget->verticalScrollBar()->value()}));
        }
    }

    void theWindowShowsWhatThePdfShowsAtTheSameScale()
    {
        for (int percent : {50, 200, 400}) {
            Editor editor;
            editor.newChart(160, 120, 0, 30);
            editor.drag({40, 110}, {70, 20}); // a double with a slanted stem
            editor.frame().childFrame(0)->resize(720, 580);
            CPattraView* view = editor.app().activeView();
            view->canvas().select(nullptr, SelectMode::Replace); // no handles
            QVERIFY(view->setZoom(percent, {0, 0}));
            QCOMPARE(view->scrollPosition(), (Point{0, 0}));
            const QSize shown(160 * percent / 100, 120 * percent / 100);
            const QImage screen = screenOf(editor.activeViewport()).copy(QRect(QPoint(0, 0), shown));
            // Antialiased: the slanted stem's edges are grey, where the
            // bitmap's enlarged pixels are black or white.
            QVERIFY2(greys(screen) > 20, qPrintable(QStringLiteral("%1 greys at %2%").arg(greys(screen)).arg(percent)));
            QTemporaryDir dir;
            const QImage pdf = pdfAt(view->document(), percent, dir);
            QCOMPARE(pdf.size(), shown);
            // Within a pixel of each other, both ways.
            const InkAgreement ink = compareInk(pixelsOf(pdf), pixelsOf(screen), 1);
            QVERIFY2(ink.missing.empty(), qPrintable(QStringLiteral("%1%: PDF ink the window lacks: ").arg(percent) +
                                                     QString::fromStdString(describePoints(ink.missing))));
            QVERIFY2(ink.extra.empty(), qPrintable(QStringLiteral("%1%: window ink the PDF lacks: ").arg(percent) +
                                                   QString::fromStdString(describePoints(ink.extra))));
        }
    }
};

LOOPORA_GUI_TEST(ZoomTest);
#include "ZoomTest.moc"
