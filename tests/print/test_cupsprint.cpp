#include "MainWindowFixture.h"
#include "print/QtPrinterDevice.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

// Print List in the main window with the real printer device, against a throwaway print
// server whose default queue writes each job to a PDF file.
class TestCupsPrint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void noPrintServerShowsTheError();
    void printsOnTheDefaultPrinter();
    void abortedDocumentNeverReachesThePrinter();

private:
    static QString run(const QString& program, const QStringList& args, int* exitCode = nullptr);

    // Under /tmp: the print filters run as another user and must reach it.
    QTemporaryDir m_server{QStringLiteral("/tmp/nimbrel-cups-XXXXXX")};
    bool m_up = false;
};

QString TestCupsPrint::run(const QString& program, const QStringList& args, int* exitCode)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool finished = p.waitForFinished(60000);
    if (exitCode)
        *exitCode = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

void TestCupsPrint::initTestCase()
{
    QVERIFY(m_server.isValid());
    int code = 0;
    const QString out = run(QStringLiteral(NIMBREL_SCRIPTS_DIR "/cups-up"), {m_server.path()}, &code);
    QVERIFY2(code == 0, qPrintable(out));
    m_up = true;
    // Only the server's own configuration counts, not the machine's or the user's.
    qputenv("CUPS_SERVERROOT", QFile::encodeName(m_server.filePath(QStringLiteral("etc"))));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

void TestCupsPrint::cleanupTestCase()
{
    if (m_up)
        run(QStringLiteral(NIMBREL_SCRIPTS_DIR "/cups-down"), {m_server.path()});
}

void TestCupsPrint::noPrintServerShowsTheError()
{
    qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("nobody.sock"))));
    MainWindowFixture fx;
    QtPrinterDevice printer;
    fx.printer = &printer;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann")});
    fx.prompter.expectMessage();
    QTRY_VERIFY(button(f, "printButton")->isEnabled());
    button(f, "printButton")->click();

    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, QStringLiteral("The was an error printing the list."));
    QCOMPARE(fx.prompter.calls[0].icon, Prompter::Icon::Critical);
}

void TestCupsPrint::printsOnTheDefaultPrinter()
{
    qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("cups.sock"))));
    MainWindowFixture fx;
    QtPrinterDevice printer;
    fx.printer = &printer;
    MainWindow& f = fx.open();
    QStringList names;
    for (int i = 1; i <= 50; ++i)
        names << QStringLiteral("Name%1").arg(i);
    f.hat().append(names);
    QTRY_VERIFY(button(f, "printButton")->isEnabled());
    button(f, "printButton")->click();
    QVERIFY(fx.prompter.calls.isEmpty());

    const QString job = m_server.filePath(QStringLiteral("out/job.pdf"));
    QTRY_VERIFY_WITH_TIMEOUT(
        QFileInfo(job).size() > 0 && run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).isEmpty(), 60000);
    const QString text = run(QStringLiteral("pdftotext"), {job, QStringLiteral("-")});
    QCOMPARE(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts), names);
}

void TestCupsPrint::abortedDocumentNeverReachesThePrinter()
{
    qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("cups.sock"))));
    {
        QtPrinterDevice printer;
        QVERIFY(printer.printLine(QStringLiteral("Half")));
        printer.abort();
        QVERIFY(printer.printLine(QStringLiteral("Whole")));
        QVERIFY(printer.finish());
    }
    const QString job = m_server.filePath(QStringLiteral("out/job.pdf"));
    QTRY_VERIFY_WITH_TIMEOUT(
        QFileInfo(job).size() > 0 && run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).isEmpty(), 60000);
    const QString done =
        run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")});
    QCOMPARE(done.count(QLatin1Char('\n')), 1);
    QCOMPARE(run(QStringLiteral("pdftotext"), {job, QStringLiteral("-")}).simplified(), QStringLiteral("Whole"));
}

QTEST_MAIN(TestCupsPrint)
#include "test_cupsprint.moc"
