// "Создать по описанию…" in the File menu: the dialog opens on a shape with
// its preview, follows what the user types once typing pauses, marks the
// line a text fails at with the reason under the box and OK disabled, and
// OK opens the chart in a new window.

#include "GuiSupport.h"

#include "app/MainMenus.h"
#include "app/PatternDialog.h"
#include "pattern/PatternText.h"
#include "view/CommandIds.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

namespace {

bool blank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

// Types the lines into the box as a user would, a key at a time.
void typeLines(QPlainTextEdit* box, const QStringList& lines)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QString& line : lines) {
        QTest::keyClicks(box, line);
        QTest::keyClick(box, Qt::Key_Return);
    }
}

const QStringList kFailing = {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)", "Rnd 2: dc2tgo in each st around. (24 dc)"};
const QStringList kBuilding = {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)", "Rnd 2: 2 dc in each st around. (24 dc)"};

} // namespace

class PatternDialogTest : public QObject {
    Q_OBJECT
private slots:
    void typedInstructionsArePreviewedCheckedAndOpened()
    {
        Editor editor;
        QAction* item = editor.frame().menus().actions(cmd::kChartFromPattern).value(0);
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Создать по описанию…"));
        bool handled = false;
        whenModal<app::PatternDialog>([&](app::PatternDialog* dialog) {
            handled = true;
            auto closeAnyway = qScopeGuard([dialog] {
                if (dialog->isVisible())
                    dialog->reject();
            });
            auto* language = dialog->findChild<QComboBox*>(QStringLiteral("lang"));
            auto* stitch = dialog->findChild<QComboBox*>(QStringLiteral("stitch"));
            auto* shape = dialog->findChild<QComboBox*>(QStringLiteral("shape"));
            auto* box = dialog->findChild<QPlainTextEdit*>(QStringLiteral("text"));
            auto* message = dialog->findChild<QLabel*>(QStringLiteral("message"));
            auto* preview = dialog->findChild<app::PatternPreview*>(QStringLiteral("preview"));
            auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
            QVERIFY(language && stitch && shape && box && message && preview && ok);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Создать по описанию"));
            QCOMPARE(shape->currentText(), QStringLiteral("круг"));
            QCOMPARE(stitch->currentText(), QStringLiteral("сбн"));
            QVERIFY(ok->isEnabled());
            QVERIFY(!blank(preview->picture()));

            // English instructions: the shape is written out again in them.
            language->setFocus();
            QTest::keyClick(language, Qt::Key_Down);
            QCOMPARE(language->currentText(), QStringLiteral("English"));
            QCOMPARE(stitch->currentText(), QStringLiteral("sc"));
            QVERIFY(box->toPlainText().startsWith(QStringLiteral("Make a magic ring.")));
            const QImage circle = preview->picture();

            typeLines(box, kFailing);
            QTRY_VERIFY_WITH_TIMEOUT(!ok->isEnabled(), 2000);
            QCOMPARE(message->text(), QStringLiteral("line 3: \"dc2tgo\": not a stitch"));
            QCOMPARE(box->extraSelections().size(), 1);
            QCOMPARE(box->extraSelections().value(0).cursor.blockNumber(), 2);
            QVERIFY(blank(preview->picture()));
            QCOMPARE(shape->currentIndex(), -1);
            QVERIFY(!stitch->isEnabled());
            QTest::keyClick(ok, Qt::Key_Space);
            QVERIFY(dialog->isVisible());

            typeLines(box, kBuilding);
            QTRY_VERIFY_WITH_TIMEOUT(ok->isEnabled(), 2000);
            QVERIFY(message->text().isEmpty());
            QVERIFY(box->extraSelections().isEmpty());
            QVERIFY(!blank(preview->picture()));
            QVERIFY(preview->picture() != circle);
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
        });
        item->trigger();
        QVERIFY(handled);
        QCOMPARE(editor.app().chartCount(), size_t(1));
        QVERIFY(editor.frame().childFrame(0));
        const pattern::PatternText text = pattern::writePattern(
            pattern::readChart(editor.canvas()), pattern::phraseBook(Language::English, pattern::Terms::Us));
        QStringList lines{QString::fromStdString(text.foundation)};
        for (const std::string& line : text.rounds)
            lines.append(QString::fromStdString(line));
        QCOMPARE(lines, kBuilding);
        QVERIFY(editor.app().isModified(0));

        // Cancelled, it opens nothing.
        whenModal<app::PatternDialog>([](app::PatternDialog* dialog) { dialog->reject(); });
        editor.frame().menus().actions(cmd::kChartFromPattern).value(0)->trigger();
        QCOMPARE(editor.app().chartCount(), size_t(1));
    }
};

LOOPORA_GUI_TEST(PatternDialogTest);
#include "PatternDialogTest.moc"
