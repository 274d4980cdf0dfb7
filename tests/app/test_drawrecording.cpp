// The Draws window over the draws the list's menu recorded: its lines, newest first, and the
// selected draw exported as a file anyone can check and printed as shown.
#include "MainWindowFixture.h"
#include "draw/DrawRecordFile.h"
#include "draw/SeededRandomSource.h"
#include "history/DrawHistory.h"

#include <QListWidget>
#include <QTest>

class TestDrawRecording : public QObject
{
    Q_OBJECT
private slots:
    void drawsWindowListsExportsAndPrints();
};

void TestDrawRecording::drawsWindowListsExportsAndPrints()
{
    MainWindowFixture fx;
    SeededRandomSource random; // the real sequence, so the draw can be done again from its seed
    fx.source = &random;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("<b>Bo</b>"), QStringLiteral("Cy")});
    for (int draw = 0; draw < 2; ++draw) {
        f.toggleShuffle();
        f.hat().reorder();
        f.toggleShuffle();
    }
    const QString first = f.hat().nameAt(0);
    f.findChild<QMenu*>("listMenu")->findChild<QAction*>(QStringLiteral("setAsideAction"))->trigger();

    f.findChild<QMenu*>("listMenu")->findChild<QAction*>(QStringLiteral("drawsAction"))->trigger();
    auto* window = f.findChild<DrawsWindow*>();
    QListWidget* lines = window->drawList();
    QCOMPARE(lines->count(), 3);
    // Newest first; the names as typed.
    QVERIFY2(lines->item(0)->text().endsWith(QStringLiteral("Set aside: ") + first),
             qPrintable(lines->item(0)->text()));
    QVERIFY(lines->item(1)->text().endsWith(QStringLiteral("Draw of 3 names, first drawn: ") + first));

    // The last draw, exported under a name from its time, checks.
    lines->setCurrentRow(1);
    const QString path = fx.home.path() + QStringLiteral("/draw.txt");
    fx.prompter.choose(path);
    button(*window, "exportButton")->click();
    QCOMPARE(fx.prompter.calls.last().kind, ScriptedPrompter::Call::Save);
    QVERIFY(fx.prompter.calls.last().initialFolder.contains(QStringLiteral("/draw-")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(file.readAll());
    QVERIFY(parsed.ok() && checkDraw(parsed.record, parsed.list).matches);

    // Printed as shown, a line of the record a line of the printout.
    button(*window, "printButton")->click();
    QVERIFY(std::any_of(fx.recorder.lines.begin(), fx.recorder.lines.end(),
                        [](const RecordingPrinter::Line& l) { return l.text == QStringLiteral("Kind: draw"); }));
}

QTEST_MAIN(TestDrawRecording)
#include "test_drawrecording.moc"
