#include "draw/DrawRecordFile.h"
#include "draw/DrawReplay.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// nimbrel --check-draw FILE, as run in a terminal without a display: one line, and the
// exit code tells matching (0), not matching (1) and no draw record (2) apart.
class TestCheckDraw : public QObject
{
    Q_OBJECT
private slots:
    void checkDraw_data();
    void checkDraw();
    void helpNamesTheOption();
};

namespace {

QByteArray drawFile()
{
    const QStringList list{QStringLiteral("Ann"), QStringLiteral("Bo"), QStringLiteral("Cy"), QStringLiteral("Di"),
                           QStringLiteral("Ed")};
    QStringList drawn;
    for (int position : replayDraw(int(list.size()), 20261208, 1))
        drawn << list[position];
    return DrawRecordFile::write(DrawRecord::ofDraw(list, drawn, 1, 20261208, QDateTime::currentDateTime()), list)
        .value_or(QByteArray());
}

struct Run
{
    int exitCode = -1;
    QString out;
};

Run nimbrel(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(NIMBREL_PROGRAM_DIR "/nimbrel"), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

} // namespace

void TestCheckDraw::checkDraw_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: no file there
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");

    // Seed 20261208, one re-order: Bo, Cy, Di, Ann, Ed.
    const QByteArray good = drawFile();
    QTest::newRow("matches") << good << 0 << QStringLiteral("the draw matches its record (names: 5, re-orders: 1)");
    QTest::newRow("order edited") << QByteArray(good).replace("Drawn 3: Di", "Drawn 3: Ann") << 1
                                  << QStringLiteral("position 3: recorded \"Ann\", the draw gives \"Di\".");
    QTest::newRow("a name list") << QByteArray("Ann\nBo\n") << 2
                                 << QStringLiteral("not a draw record: its first line is not");
    QTest::newRow("names set aside") << DrawRecordFile::write(DrawRecord::ofRoundEvent(DrawRecord::Kind::SetAside,
                                                                                       {QStringLiteral("Bo")},
                                                                                       QDateTime::currentDateTime()))
                                            .value_or(QByteArray())
                                     << 2 << QStringLiteral("it records names set aside or brought back");
}

void TestCheckDraw::checkDraw()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, exitCode);
    QFETCH(QString, says);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("draw record.txt"));
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(contents), contents.size());
    }
    const Run run = nimbrel({QStringLiteral("--check-draw"), path});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.out.startsWith(path + QStringLiteral(": ")) && run.out.contains(says), qPrintable(run.out));
    QCOMPARE(run.out.count(QLatin1Char('\n')), 1); // one line
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
