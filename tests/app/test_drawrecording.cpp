// Every Stop recorded: the Draws window's lines, and the exported record of a draw that
// anyone can check.
#include "MainWindowFixture.h"
#include "draw/DrawRecordFile.h"
#include "draw/SeededRandomSource.h"
#include "history/DrawHistory.h"
#include "history/DrawsWindow.h"

#include <QListWidget>
#include <QSet>
#include <QTest>

class TestDrawRecording : public QObject
{
    Q_OBJECT
private slots:
    void recordedAtStop_data();
    void recordedAtStop();
};

void TestDrawRecording::recordedAtStop_data()
{
    QTest::addColumn<bool>("keep");    // Keep a Record of Draws
    QTest::addColumn<QString>("edit"); // what is changed in the exported file
    QTest::addColumn<bool>("matches"); // whether it then checks

    QTest::newRow("as exported") << true << QString() << true;
    QTest::newRow("a drawn name changed") << true << QStringLiteral("drawn") << false;
    QTest::newRow("a name of the list changed") << true << QStringLiteral("list") << false;
    QTest::newRow("not kept") << false << QString() << false;
}

void TestDrawRecording::recordedAtStop()
{
    QFETCH(bool, keep);
    QFETCH(QString, edit);
    QFETCH(bool, matches);

    MainWindowFixture fx;
    SeededRandomSource random; // the real sequence, so the draw can be done again from its seed
    fx.source = &random;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    f.setKeepDraws(keep);
    f.nameList()->append(QStringList{QStringLiteral("Ann"), QStringLiteral("<b>Bo</b>"), QStringLiteral("Cy"),
                                     QStringLiteral("Di"), QStringLiteral("Ed")});
    QList<QStringList> orders{f.nameList()->names()}; // before the first draw, then after each
    for (int draw = 1; draw <= 3; ++draw) {
        f.toggleShuffle();
        for (int tick = 0; tick < draw + 2; ++tick)
            f.shuffleTick();
        f.toggleShuffle();
        orders.append(f.nameList()->names());
        if (draw == 2)
            f.recordRoundEvent(DrawRecord::Kind::SetAside, {QStringLiteral("<b>Bo</b>")});
    }

    f.showDraws();
    QListWidget* lines = f.drawsWindow()->drawList();
    QCOMPARE(lines->count(), keep ? 4 : 0);
    if (!keep)
        return;
    // Newest first, a draw's line naming the first name drawn; the names as typed.
    for (int row : {0, 2, 3}) {
        const QString first = orders[row == 0 ? 3 : 4 - row].first();
        QVERIFY2(lines->item(row)->text().endsWith(QStringLiteral("Draw of 5 names, first drawn: ") + first),
                 qPrintable(lines->item(row)->text()));
    }
    QVERIFY(lines->item(1)->text().endsWith(QStringLiteral("Set aside: <b>Bo</b>")));
    QSet<std::uint64_t> seeds;
    for (const DrawHistory::Entry& e : f.drawHistory().entries())
        seeds.insert(e.record.seed);
    QCOMPARE(seeds.size(), 4); // three draws' own, and the round event's 0

    // The second draw, exported under a name from its time.
    lines->setCurrentRow(2);
    const QString path = fx.home.path() + QStringLiteral("/second.txt");
    fx.prompter.choose(path);
    f.exportDraw();
    QCOMPARE(fx.prompter.calls.last().kind, ScriptedPrompter::Call::Save);
    QVERIFY(fx.prompter.calls.last().initialFolder.contains(QStringLiteral("/draw-")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    const qsizetype listStart = text.indexOf(QStringLiteral("\n\n")) + 2;
    if (edit == QLatin1String("drawn"))
        text.replace(QStringLiteral("Drawn 1: ") + orders[2][0], QStringLiteral("Drawn 1: ") + orders[2][1]);
    else if (edit == QLatin1String("list"))
        text.replace(listStart, orders[1][0].size(), QStringLiteral("Zed"));

    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(text.toUtf8());
    QCOMPARE(parsed.ok() && checkDraw(parsed.record, parsed.list).matches, matches);
    if (edit.isEmpty()) {
        QCOMPARE(parsed.list, orders[1]);
        QCOMPARE(parsed.record.drawn, orders[2]);
        QCOMPARE(parsed.record.reorders, std::int64_t(4));
        // Printed as shown, a line of the record a line of the printout.
        f.printDraw();
        QVERIFY(std::any_of(fx.recorder.lines.begin(), fx.recorder.lines.end(),
                            [](const RecordingPrinter::Line& l) { return l.text == QStringLiteral("Kind: draw"); }));
    }
}

QTEST_MAIN(TestDrawRecording)
#include "test_drawrecording.moc"
