#include "draw/DrawRecordFile.h"
#include "draw/DrawReplay.h"
#include "draw/PublicDraw.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// nimbrel --check-draw FILE, as run in a terminal without a display: its verdict in one line,
// then what a match shows and the teams, and the exit code tells matching (0), not matching
// (1) and no draw record (2) apart. The script shipped for checking without the program
// comes to the same teams.
class TestCheckDraw : public QObject
{
    Q_OBJECT
private slots:
    void checkDraw_data();
    void checkDraw();
    void helpNamesTheOption();
    void scriptAgrees();
};

namespace {

// The draw of five names from seed, or from the public text when one is given.
QByteArray drawFile(const QString& seedFrom = QString(), int teams = 0)
{
    const QStringList list{QStringLiteral("Ann"), QStringLiteral("Bo"), QStringLiteral("Cy"), QStringLiteral("Di"),
                           QStringLiteral("Ed")};
    const std::uint64_t seed = seedFrom.isEmpty() ? 20261208 : PublicDraw::seed(listFingerprint(list), seedFrom);
    const std::int64_t reorders = seedFrom.isEmpty() ? 1 : PublicDraw::kReorders;
    QStringList drawn;
    for (int position : replayDraw(int(list.size()), seed, reorders))
        drawn << list[position];
    DrawRecord record = DrawRecord::ofDraw(list, drawn, reorders, seed, QDateTime::currentDateTime());
    record.seedFrom = seedFrom;
    record.teams = teams;
    return DrawRecordFile::write(record, list).value_or(QByteArray());
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& contents)
{
    const QString path = dir.filePath(QStringLiteral("draw record.txt"));
    if (!contents.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            return QString();
    }
    return path;
}

struct Run
{
    int exitCode = -1;
    QString out;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

Run nimbrel(const QStringList& arguments)
{
    return run(QStringLiteral(NIMBREL_PROGRAM_DIR "/nimbrel"), arguments);
}

} // namespace

void TestCheckDraw::checkDraw_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: no file there
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    QTest::addColumn<int>("lines");

    // Seed 20261208, one re-order: Bo, Cy, Di, Ann, Ed.
    const QByteArray good = drawFile();
    QTest::newRow("matches") << good << 0
                             << QStringLiteral("the draw matches its record (names: 5, re-orders: 1).\nThis shows that "
                                               "the order follows from the list, the seed and the number of "
                                               "re-orders. It does not show that the seed was not chosen")
                             << 2;
    QTest::newRow("order edited") << QByteArray(good).replace("Drawn 3: Di", "Drawn 3: Ann") << 1
                                  << QStringLiteral("position 3: recorded \"Ann\", the draw gives \"Di\".") << 1;
    // From the public text: Di, Ed, Cy, Ann, Bo, dealt into two teams.
    const QByteArray pub = drawFile(QStringLiteral("12 17 23 31 40 45"), 2);
    QTest::newRow("public text, teams")
        << pub << 0
        << QStringLiteral("re-orders: 200).\nThe seed follows from the list's fingerprint and the public text \"12 17 "
                          "23 31 40 45\"")
        << 4;
    QTest::newRow("public text edited") << QByteArray(pub).replace("Seed from: 12 17", "Seed from: 12 18") << 1
                                        << QStringLiteral("the public text \"12 18 23 31 40 45\" gives the seed") << 1;
    QTest::newRow("a name list") << QByteArray("Ann\nBo\n") << 2
                                 << QStringLiteral("not a draw record: its first line is not") << 1;
    QTest::newRow("names set aside") << DrawRecordFile::write(DrawRecord::ofRoundEvent(DrawRecord::Kind::SetAside,
                                                                                       {QStringLiteral("Bo")},
                                                                                       QDateTime::currentDateTime()))
                                            .value_or(QByteArray())
                                     << 2 << QStringLiteral("it records names set aside or brought back") << 1;
}

void TestCheckDraw::checkDraw()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    QFETCH(int, lines);

    QTemporaryDir dir;
    const QString path = writeFile(dir, contents);
    QVERIFY(!path.isEmpty());
    const Run run = nimbrel({QStringLiteral("--check-draw"), path});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.out.startsWith(path + QStringLiteral(": ")) && run.out.contains(says), qPrintable(run.out));
    QCOMPARE(run.out.count(QLatin1Char('\n')), lines);
}

void TestCheckDraw::scriptAgrees()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    QTemporaryDir dir;
    const QString path = writeFile(dir, drawFile(QStringLiteral("12 17 23 31 40 45"), 2));
    QVERIFY(!path.isEmpty());
    const Run program = nimbrel({QStringLiteral("--check-draw"), path});
    const Run script = run(
        python, {QStringLiteral(NIMBREL_SOURCE_DIR "/scripts/check-public-draw.py"), QStringLiteral("--record"), path});
    QCOMPARE(program.exitCode, 0);
    QCOMPARE(script.exitCode, 0);
    const auto teams = [](const QString& out) {
        return out.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^Team \\d+: ")));
    };
    QCOMPARE(teams(script.out), (QStringList{QStringLiteral("Team 1: Di, Cy, Bo"), QStringLiteral("Team 2: Ed, Ann")}));
    QCOMPARE(teams(program.out), teams(script.out));
    QVERIFY2(script.out.contains(QStringLiteral("The draw matches its record.")), qPrintable(script.out));
}

void TestCheckDraw::helpNamesTheOption()
{
    const Run run = nimbrel({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("--check-draw <file>")), qPrintable(run.out));
    const Run none = nimbrel({QStringLiteral("--check-draw")});
    QCOMPARE(none.exitCode, 2);
}

QTEST_GUILESS_MAIN(TestCheckDraw)
#include "test_checkdraw.moc"
