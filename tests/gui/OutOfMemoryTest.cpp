// A paint that runs out of memory in the editor: the message comes once the
// paint is over (never a modal box inside it), and the editor with every
// open chart goes on.

#include "GuiSupport.h"

#include "document/Canvas.h"

#include <QMessageBox>
#include <QTest>

#include <new>

using namespace loopora;
using namespace loopora::test;

namespace {

// A figure over the middle of the sheet whose drawing needs more memory than
// there is, while `starved` is set.
class StarvedFigure : public CChartElement {
public:
    explicit StarvedFigure(bool& starved) : starved_(starved) { setPoints({{50, 50}, {250, 250}}); }
    void drawShape(CDC&) override
    {
        if (starved_)
            throw std::bad_alloc();
    }

private:
    bool& starved_;
};

} // namespace

class OutOfMemoryTest : public QObject {
    Q_OBJECT
private slots:
    void aFailedPaintIsToldAfterwardsAndTheChartsGoOn()
    {
        Editor editor;
        editor.newChart(300, 300);
        editor.newChart(300, 300);
        bool starved = true;
        auto figure = std::make_unique<StarvedFigure>(starved);
        editor.canvas().appendChild(std::move(figure));

        QString told;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->accept();
        });
        editor.app().activeView()->invalidateAll();
        QTRY_VERIFY(!told.isEmpty());
        QVERIFY(told.contains(QStringLiteral("Недостаточно памяти")));

        // The chart takes edits and draws them once memory is there again.
        starved = false;
        editor.activate();
        editor.drag({100, 200}, {100, 150});
        QCOMPARE(editor.canvas().childCount(), size_t(2));
        QTRY_VERIFY(editor.app().activeView()->pixels().colourAt(100, 175) == colours::black);
        QCOMPARE(editor.app().chartCount(), size_t(2));
    }
};

LOOPORA_GUI_TEST(OutOfMemoryTest);
#include "OutOfMemoryTest.moc"
