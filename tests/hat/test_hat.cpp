// One list and its round, driven without a window: every change and its undo, the shuffle,
// the round kept across runs, and the record of each draw.
#include "../draw/DrawGolden.h"
#include "QueuedRandomSource.h"
#include "TestHome.h"
#include "draw/DrawRecordFile.h"
#include "draw/SeededRandomSource.h"
#include "hat/Hat.h"
#include "hat/NameListModel.h"
#include "history/DrawHistory.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

using namespace SettingsKeys;

class TestHat : public QObject
{
    Q_OBJECT
private slots:
    void undoEachChange_data();
    void undoEachChange();
    void heldNamesStayBounded();
    void reorderFollowsTheRandomSource_data();
    void reorderFollowsTheRandomSource();
    void roundAcrossRuns_data();
    void roundAcrossRuns();
    void drawsRecordedAtStop_data();
    void drawsRecordedAtStop();
    void publicDrawAndTeams_data();
    void publicDrawAndTeams();

private:
    // A hat over the user's store (a test home), loaded as at start-up.
    struct Run
    {
        Settings settings{openUserStore()};
        Hat hat;
        explicit Run(RandomSource& random) : hat(settings, random, QGuiApplication::font()) { hat.load(); }
    };
};

void TestHat::undoEachChange_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("aside");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("listAfter");
    QTest::addColumn<QStringList>("asideAfter");
    const QStringList abc = {"Ann", "Maximiliana Bartholomew", "Cy"};
    QTest::newRow("add") << abc << QStringList{"Dee"} << "add" << abc + QStringList{"Eve"} << QStringList{"Dee"};
    QTest::newRow("remove the widest") << abc << QStringList() << "remove 1" << QStringList{"Ann", "Cy"}
                                       << QStringList();
    QTest::newRow("remove the first") << abc << QStringList() << "remove 0" << abc.mid(1) << QStringList();
    QTest::newRow("clear, set-aside names too")
        << abc << QStringList{"Dee"} << "clear" << QStringList() << QStringList();
    QTest::newRow("import ends the round")
        << abc << QStringList{"Dee"} << "import" << QStringList{"X", "Y"} << QStringList();
    QTest::newRow("set aside") << abc << QStringList{"Dee"} << "set aside" << abc.mid(1) << QStringList{"Dee", "Ann"};
    QTest::newRow("set aside two winners at once")
        << abc << QStringList{"Dee"} << "set aside 2" << abc.mid(2) << QStringList{"Dee", abc[0], abc[1]};
    QTest::newRow("bring back, in their order") << QStringList{"Cy"} << QStringList{"Dee", "Ann"} << "bring back"
                                                << QStringList{"Cy", "Dee", "Ann"} << QStringList();
    QTest::newRow("shuffle") << abc << QStringList() << "shuffle" << QStringList{abc[1], abc[2], abc[0]}
                             << QStringList();
}

void TestHat::undoEachChange()
{
    QFETCH(QStringList, list);
    QFETCH(QStringList, aside);
    QFETCH(QString, change);
    QFETCH(QStringList, listAfter);
    QFETCH(QStringList, asideAfter);
    TestHome home;
    Settings(openUserStore()).saveNames(list, aside);
    QueuedRandomSource random{0.74f, 0.9f, 0.f};
    Run run(random);
    Hat& hat = run.hat;
    const int widest = hat.model()->widestWidth();

    if (change == "add")
        hat.append(QStringList{"Eve"});
    else if (change.startsWith("remove"))
        hat.removeAt(change.back().digitValue());
    else if (change == "clear")
        hat.clear();
    else if (change == "import")
        hat.replaceWith({"X", "Y"});
    else if (change == "set aside")
        hat.setAsideFirst();
    else if (change == "set aside 2")
        hat.setAsideFirst(2);
    else if (change == "bring back")
        hat.bringBack();
    else if (change == "shuffle") {
        QCOMPARE(hat.shuffle(), Hat::Start::Started);
        hat.reorder();
        hat.stop();
    }
    // Widths a step kept come back with their own names, in the list's order.
    const auto widthsAreTheNames = [&hat] {
        for (int row = 0; row < hat.count(); ++row) {
            if (hat.model()->width(row) != hat.model()->measure(hat.nameAt(row)))
                return false;
        }
        return true;
    };
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(hat.names(), listAfter);
        QVERIFY(widthsAreTheNames());
        QCOMPARE(hat.setAside(), asideAfter);
        QVERIFY(hat.canUndo() && !hat.canRedo());
        hat.undo();
        QCOMPARE(hat.names(), list);
        QCOMPARE(hat.setAside(), aside);
        QCOMPARE(hat.model()->widestWidth(), widest); // the widest name measured again
        QVERIFY(widthsAreTheNames());
        QVERIFY(!hat.canUndo() && hat.canRedo());
        hat.redo();
    }
}

void TestHat::heldNamesStayBounded()
{
    TestHome home;
    QueuedRandomSource random;
    Run run(random);
    Hat& hat = run.hat;
    // One name a step: only the step count bounds them, and the oldest go.
    for (int i = 0; i < ListHistory::kMaxSteps + 50; ++i)
        hat.append({QString::number(i)});
    QCOMPARE(hat.history().steps(), ListHistory::kMaxSteps);
    while (hat.canUndo())
        hat.undo();
    QCOMPARE(hat.count(), 50);

    // Whole lists of the largest size: the names held bound them.
    QStringList whole;
    for (int i = 0; i < kMaxNames; ++i)
        whole << QString::number(i);
    for (int i = 0; i < 20; ++i)
        hat.replaceWith(whole);
    QVERIFY(hat.history().held() <= ListHistory::kMaxHeld + kMaxNames);
    QVERIFY(hat.history().steps() < 10);

    // Steps thrown away by a new change no longer count: import, undo, add, again and again.
    Settings(openUserStore()).saveNames({"Ann"});
    Run small(random);
    for (int round = 0; round < 8; ++round) {
        small.hat.replaceWith(whole);
        small.hat.undo();
        small.hat.append(QString::number(round));
    }
    QCOMPARE(small.hat.history().steps(), 8);
    QCOMPARE(small.hat.history().held(), 0);

    // A full list cleared and five imports, all undone: the Clear redone can be undone.
    Settings(openUserStore()).saveNames(whole);
    Run full(random);
    full.hat.clear();
    for (int i = 0; i < 5; ++i)
        full.hat.replaceWith(whole);
    while (full.hat.canUndo())
        full.hat.undo();
    full.hat.redo();
    QVERIFY(full.hat.names().isEmpty() && full.hat.canUndo());
    full.hat.undo();
    QCOMPARE(full.hat.names(), whole);
}

void TestHat::reorderFollowsTheRandomSource_data()
{
    // The draw order itself is tested on its own; here: the list follows it.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<float>>("r");
    QTest::addColumn<QStringList>("order");
    const QStringList ab = {QStringLiteral("A"), QStringLiteral("B")};
    const QStringList abc = ab + QStringList{QStringLiteral("C")};
    QTest::newRow("two names, 0.5 keeps (tie to even)") << ab << QList<float>{0.5f, 0.f} << ab;
    QTest::newRow("two names, 0.75 swaps") << ab << QList<float>{0.75f, 0.f} << QStringList{ab[1], ab[0]};
    QTest::newRow("three names, 0.74 takes the middle")
        << abc << QList<float>{0.74f, 0.9f, 0.f} << QStringList{abc[1], abc[2], abc[0]};
    const QStringList sam = {QStringLiteral("Sam"), QStringLiteral("Sam"), QStringLiteral("Kim")};
    QTest::newRow("equal names stay two entries")
        << sam << QList<float>{0.9f, 0.9f, 0.f} << QStringList{sam[2], sam[0], sam[0]};
}

void TestHat::reorderFollowsTheRandomSource()
{
    QFETCH(QStringList, names);
    QFETCH(QList<float>, r);
    QFETCH(QStringList, order);
    TestHome home;
    QueuedRandomSource random;
    Run run(random);
    run.hat.append(names);
    for (float v : r)
        random.enqueue(v);
    QCOMPARE(run.hat.shuffle(), Hat::Start::Started);
    QSignalSpy reordered(&run.hat, &Hat::reordered);
    QVERIFY(reordered.wait()); // the shuffle's own timer
    run.hat.stop();
    QCOMPARE(run.hat.names(), order);
    QCOMPARE(run.hat.reorders(), 1);
    QCOMPARE(random.remaining(), 0);
}

void TestHat::roundAcrossRuns_data()
{
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QStringList>("listAfterRestart");
    QTest::addColumn<QStringList>("asideAfterRestart");
    QTest::newRow("remembered") << true << QStringList{"Dee", "Cy"} << QStringList{"Ann", "Bob"};
    QTest::newRow("not remembered") << false << QStringList() << QStringList();
}

void TestHat::roundAcrossRuns()
{
    QFETCH(bool, remember);
    QFETCH(QStringList, listAfterRestart);
    QFETCH(QStringList, asideAfterRestart);
    TestHome home;
    Settings(openUserStore()).setFlag(SaveNames, remember);
    QueuedRandomSource random;
    {
        Run run(random);
        Hat& hat = run.hat;
        hat.append(QStringList{"Ann", "Bob", "Cy", "Dee"});
        QSignalSpy moves(&hat, &Hat::roundChanged);
        hat.setAsideFirst();
        hat.setAsideFirst();
        QCOMPARE(hat.setAside(), QStringList({"Ann", "Bob"}));
        QCOMPARE(moves.size(), 2);
        QCOMPARE(moves[1][1].toStringList(), QStringList{"Bob"});

        // The shuffle draws from the rest, and nothing changes the list meanwhile.
        QCOMPARE(hat.shuffle(), Hat::Start::Started);
        QCOMPARE(hat.append(QStringList{"Eve"}), 0);
        hat.setAsideFirst();
        hat.bringBack();
        hat.clear();
        hat.undo();
        QVERIFY(!hat.canUndo() && !hat.canRedo());
        QCOMPARE(hat.setAside(), QStringList({"Ann", "Bob"}));
        random.enqueue(0.75f);
        random.enqueue(0.f);
        hat.reorder();
        hat.stop();
        QCOMPARE(hat.names(), QStringList({"Dee", "Cy"}));
        QCOMPARE(hat.finish().outcome, Hat::Finished::Outcome::Saved);
    }
    Run again(random);
    QCOMPARE(again.hat.names(), listAfterRestart);
    QCOMPARE(again.hat.setAside(), asideAfterRestart);
    again.hat.bringBack();
    QCOMPARE(again.hat.names(), listAfterRestart + asideAfterRestart);
    QVERIFY(again.hat.setAside().isEmpty());
}

void TestHat::drawsRecordedAtStop_data()
{
    QTest::addColumn<bool>("keep");    // Keep a Record of Draws
    QTest::addColumn<QString>("edit"); // what is changed in the record's file
    QTest::addColumn<bool>("matches"); // whether it then checks

    QTest::newRow("as stored") << true << QString() << true;
    QTest::newRow("a drawn name changed") << true << QStringLiteral("drawn") << false;
    QTest::newRow("a name of the list changed") << true << QStringLiteral("list") << false;
    QTest::newRow("not kept") << false << QString() << false;
}

void TestHat::drawsRecordedAtStop()
{
    QFETCH(bool, keep);
    QFETCH(QString, edit);
    QFETCH(bool, matches);
    TestHome home;
    SeededRandomSource random; // the real sequence, so the draw can be done again from its seed
    Run run(random);
    Hat& hat = run.hat;
    hat.setKeepDraws(keep);
    hat.append(QStringList{"Ann", "<b>Bo</b>", "Cy", "Di", "Ed", "Flo"});
    QList<QStringList> orders{hat.names()}; // before the first draw, then after each
    for (int draw = 1; draw <= 3; ++draw) {
        hat.shuffle();
        for (int tick = 0; tick < draw + 2; ++tick)
            hat.reorder();
        hat.stop();
        orders.append(hat.names());
        if (draw == 2)
            hat.setAsideFirst();
    }
    hat.storeDraw();

    const QList<DrawHistory::Entry> entries = hat.draws().entries();
    QCOMPARE(entries.size(), keep ? 4 : 0);
    if (!keep)
        return;
    QVERIFY(DrawHistory::line(entries[2].record).endsWith(QStringLiteral("Set aside: ") + orders[2][0]));
    QVERIFY(
        DrawHistory::line(entries[3].record).endsWith(QStringLiteral("Draw of 5 names, first drawn: ") + orders[3][0]));
    QSet<std::uint64_t> seeds;
    for (const DrawHistory::Entry& e : entries)
        seeds.insert(e.record.seed);
    QCOMPARE(seeds.size(), 4); // three draws' own, and the round event's 0

    // The second draw's file, as Export writes it.
    QString text = QString::fromUtf8(hat.draws().file(entries[1].sequence));
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
    }
}

void TestHat::publicDrawAndTeams_data()
{
    QTest::addColumn<QString>("split"); // when the split into teams comes
    QTest::addColumn<bool>("noted");    // whether the record notes it
    QTest::newRow("at once") << QStringLiteral("at once") << true;
    QTest::newRow("once the record is stored") << QStringLiteral("stored") << true;
    QTest::newRow("after the list changed") << QStringLiteral("changed") << false;
}

void TestHat::publicDrawAndTeams()
{
    QFETCH(QString, split);
    QFETCH(bool, noted);
    const auto golden =
        std::find_if(DrawGolden::rows().begin(), DrawGolden::rows().end(),
                     [](const DrawGolden::Row& row) { return row.name == std::string("public: 28 names"); });
    QVERIFY(golden != DrawGolden::rows().end());
    TestHome home;
    SeededRandomSource random;
    Run run(random);
    Hat& hat = run.hat;
    QStringList list;
    for (const std::string& name : golden->list)
        list << QString::fromStdString(name);
    hat.append(list);

    QCOMPARE(hat.drawFromPublicText(QString::fromUtf8(golden->seedFrom)), Hat::Start::Started);
    // Stopped early, the host could choose among the orders on the way: Stop waits.
    hat.stop();
    QVERIFY(hat.isShuffling() && hat.stopsByItself());
    QTRY_VERIFY_WITH_TIMEOUT(!hat.isShuffling(), 60000);
    QCOMPARE(hat.reorders(), golden->reorders);
    QStringList drawn;
    for (const int place : replayDraw(int(list.size()), golden->seed, golden->reorders))
        drawn << list[place];
    QCOMPARE(hat.names(), drawn);

    if (split == QLatin1String("stored"))
        hat.storeDraw();
    else if (split == QLatin1String("changed"))
        hat.append(QStringLiteral("Zed"));
    QCOMPARE(hat.noteTeams(7), noted);
    hat.storeDraw();
    const QList<DrawHistory::Entry> entries = hat.draws().entries();
    QCOMPARE(entries.size(), 1);
    const DrawRecordFile::Parsed parsed = DrawRecordFile::parse(hat.draws().file(entries[0].sequence));
    QCOMPARE(parsed.fault, DrawRecordFile::Fault::None);
    QCOMPARE(parsed.record.seedFrom, QString::fromUtf8(golden->seedFrom));
    QCOMPARE(parsed.record.teams, noted ? 7 : 0);
    const DrawCheck check = checkDraw(parsed.record, parsed.list);
    QVERIFY(check.matches);
    QCOMPARE(check.teams.size(), noted ? 7 : 0);
    if (noted)
        QCOMPARE(check.teams[6], (QStringList{drawn[6], drawn[13], drawn[20], drawn[27]}));
}

QTEST_MAIN(TestHat)
#include "test_hat.moc"
