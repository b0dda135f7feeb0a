// The program's icon is one picture at every size and in both forms: the SVG
// lists the fan's strokes, and the painted picture has ink exactly along them
// and a clear background outside the tile's rounded corners.

#include "GuiSupport.h"

#include "app/ProgramIcon.h"

#include <QRegularExpression>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

class ProgramIconTest : public QObject {
    Q_OBJECT
private slots:
    void svgAndPictureAgree()
    {
        const QString svg = QString::fromStdString(app::programIconSvg());
        QVERIFY(svg.startsWith(QStringLiteral("<?xml")));
        QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 256 256\"")));
        QRegularExpression line(QStringLiteral("<line x1=\"([\\d.]+)\" y1=\"([\\d.]+)\" x2=\"([\\d.]+)\" y2=\"([\\d.]+)\"/>"));
        const QImage picture = app::programIconPicture(256);
        int strokes = 0;
        for (const QRegularExpressionMatch& m : line.globalMatch(svg)) {
            ++strokes;
            const QPointF from(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF to(m.captured(3).toDouble(), m.captured(4).toDouble());
            const QPoint middle = ((from + to) / 2).toPoint();
            QCOMPARE(picture.pixelColor(middle), QColor(150, 30, 60));
        }
        // Three legs, each with a slash and a top bar.
        QCOMPARE(strokes, 9);
        QCOMPARE(picture.pixelColor(1, 1).alpha(), 0);
        QCOMPARE(picture.pixelColor(128, 230), QColor(250, 245, 230));
    }

    void everySizeIsDrawn()
    {
        for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage picture = app::programIconPicture(side);
            QCOMPARE(picture.size(), QSize(side, side));
            // Even the smallest shows ink of the symbol in its middle column.
            bool ink = false;
            for (int y = 0; y < side && !ink; ++y) {
                const QColor c = picture.pixelColor(side / 2, y);
                ink = c.red() < 200 && c.green() < 120;
            }
            QVERIFY2(ink, qPrintable(QStringLiteral("no ink at %1 pixels").arg(side)));
        }
        QVERIFY(!app::programIcon().availableSizes().isEmpty());
    }
};

LOOPORA_GUI_TEST(ProgramIconTest);
#include "ProgramIconTest.moc"
