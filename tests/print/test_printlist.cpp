#include "MainWindowFixture.h"
#include "print/PrintText.h"
#include "print/QtPrinterDevice.h"
#include "ui/DesignUnits.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kError = QStringLiteral("The was an error printing the list.");

// Words of a PDF as pdftotext -bbox reads them: page (from 1), left and top in points.
struct Word
{
    int page;
    double x;
    double y;
    QString text;
};

QList<Word> pdfWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    static const QRegularExpression item(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    QList<Word> words;
    int page = 0;
    for (const QRegularExpressionMatch& m : item.globalMatch(QString::fromUtf8(p.readAllStandardOutput()))) {
        if (m.captured(1).isEmpty())
            ++page;
        else
            words.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return words;
}

} // namespace

class TestPrintList : public QObject
{
    Q_OBJECT
private slots:
    void printsTheListWithOneInchMargins();
    void failureShowsTheMessage_data();
    void failureShowsTheMessage();
    void realDeviceToPdf();
};

void TestPrintList::printsTheListWithOneInchMargins()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral(" Bob"), QString()});
    QTRY_VERIFY(button(f, "printButton")->isEnabled());
    button(f, "printButton")->click();

    QVERIFY(fx.prompter.calls.isEmpty());
    const RecordingPrinter& p = fx.recorder;
    // The leading space opens the document at the top-left corner, in the printer's font.
    const QList<RecordingPrinter::Line> expected{
        {1, 0, 0, " "}, {1, 1440, 1440, "Ann"}, {1, 1440, 1740, " Bob"}, {1, 1440, 2040, ""}, {1, 1440, 2340, ""}};
    QCOMPARE(p.lines, expected);
    QCOMPARE(p.finished, 1);
    QCOMPARE(p.fonts.size(), 1);
    QCOMPARE(p.fonts[0].family, QStringLiteral("MS Sans Serif"));
    QCOMPARE(p.fonts[0].pointSize, 13.5);
    QCOMPARE(p.fonts[0].weight, 700);
}

void TestPrintList::failureShowsTheMessage_data()
{
    QTest::addColumn<bool>("noPrinter");
    QTest::addColumn<int>("linesBeforeFailure");
    QTest::addColumn<bool>("refuseFinish");
    QTest::addColumn<int>("aborted");

    QTest::newRow("no printer") << true << -1 << false << 0;
    QTest::newRow("document does not open") << false << 0 << false << 0;
    QTest::newRow("failure inside the printout aborts it") << false << 2 << false << 1;
    QTest::newRow("print server refuses the job") << false << -1 << true << 0;
}

void TestPrintList::failureShowsTheMessage()
{
    QFETCH(bool, noPrinter);
    QFETCH(int, linesBeforeFailure);
    QFETCH(bool, refuseFinish);
    QFETCH(int, aborted);

    MainWindowFixture fx;
    if (noPrinter)
        fx.printer = nullptr;
    fx.recorder.linesBeforeFailure = linesBeforeFailure;
    fx.recorder.refuseFinish = refuseFinish;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob")});
    fx.prompter.expectMessage();
    f.printList();

    QCOMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt, kError);
    QCOMPARE(fx.prompter.calls[0].title, QStringLiteral("Oops!"));
    QCOMPARE(fx.prompter.calls[0].icon, Prompter::Icon::Critical);
    QCOMPARE(fx.recorder.aborted, aborted);
    QCOMPARE(fx.recorder.finished, 0);
    QCOMPARE(fx.recorder.page, 0); // nothing left open
}

void TestPrintList::realDeviceToPdf()
{
    // Enough names for two pages, in the list's font, through the device Print List uses.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    QStringList names;
    for (int i = 1; i <= 60; ++i)
        names << QStringLiteral("Name%1").arg(i);
    QtPrinterDevice printer(pdf);
    const QRectF area = printer.drawableArea();
    QVERIFY(printer.printLine(QStringLiteral(" ")));
    QVERIFY(printText(printer, names + QStringList{QString()}, QtPrinterDevice::printFont(designFont(13.5, true)),
                      PrintAlignment::Left, 1440, 1440, 1440, 1440));

    // The names' face is the list's bold one (the leading space is in the printer's own).
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    QVERIFY(fonts.waitForFinished(30000));
    QVERIFY(fonts.readAllStandardOutput().contains("Bold"));

    const QList<Word> words = pdfWords(pdf);
    QStringList printed;
    for (const Word& w : words)
        printed << w.text;
    QCOMPARE(printed, names);
    QCOMPARE(words.last().page, 2);
    for (const Word& w : words) {
        QVERIFY2(qAbs(w.x - (area.left() + 72)) < 0.5, qPrintable(w.text));
        const bool firstOnPage = &w == &words.first() || (&w)[-1].page != w.page;
        if (firstOnPage)
            QVERIFY2(qAbs(w.y - (area.top() + 72)) < 1.5, qPrintable(w.text));
        else
            QVERIFY(w.y > (&w)[-1].y);
        QVERIFY2(w.y + 15 < area.bottom() - 72, qPrintable(w.text));
    }
}

QTEST_MAIN(TestPrintList)
#include "test_printlist.moc"
