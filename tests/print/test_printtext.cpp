#include "RecordingPrinter.h"
#include "print/PrintText.h"

#include <QTest>

namespace {

// One-inch margins around room for ten 100-twip characters and three 300-twip lines.
constexpr double kInch = 1440;
constexpr double kPageWidth = 2 * kInch + 1000;
constexpr double kPageHeight = 2 * kInch + 900;

const PrintFont kFont{QStringLiteral("MS Sans Serif"), 13.5, 700};

RecordingPrinter printer()
{
    RecordingPrinter p;
    p.drawableWidth = kPageWidth;
    p.drawableHeight = kPageHeight;
    return p;
}

// "page x,y text" for each printed line.
QStringList layout(const RecordingPrinter& p)
{
    QStringList out;
    for (const RecordingPrinter::Line& l : p.lines)
        out << QStringLiteral("%1 %2,%3 %4").arg(l.page).arg(l.x).arg(l.y).arg(l.text);
    return out;
}

} // namespace

class TestPrintText : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void nothingToPrint_data();
    void nothingToPrint();
    void fontSetAndCursorKept();
    void failureLeavesTheDocumentOpen();
};

void TestPrintText::lines_data()
{
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("charWidth");
    QTest::addColumn<QStringList>("expected");

    const auto rows = [](std::initializer_list<const char*> lines) {
        QStringList out;
        for (const char* l : lines)
            out << QString::fromUtf8(l);
        return out;
    };
    QTest::newRow("an empty paragraph is an empty line")
        << rows({"Ann", ""}) << 0 << 100.0 << rows({"1 1440,1440 Ann", "1 1440,1740 "});
    QTest::newRow("order kept") << rows({"Bob", "", "Al"}) << 0 << 100.0
                                << rows({"1 1440,1440 Bob", "1 1440,1740 ", "1 1440,2040 Al"});
    QTest::newRow("line ends stay in the line")
        << rows({"A\rB\nC\r\nD"}) << 0 << 100.0 << rows({"1 1440,1440 A\rB\nC\r\nD"});
    QTest::newRow("wrapped after the last whole word")
        << rows({"Abc defgh ijk"}) << 0 << 100.0 << rows({"1 1440,1440 Abc defgh ", "1 1440,1740 ijk"});
    QTest::newRow("a width equal to the line fits")
        << rows({"Abcd efghi jk"}) << 0 << 100.0 << rows({"1 1440,1440 Abcd efghi ", "1 1440,1740 jk"});
    QTest::newRow("widths compared in single precision")
        << rows({"Abcd efghi jk"}) << 0 << 100.000002 << rows({"1 1440,1440 Abcd efghi ", "1 1440,1740 jk"});
    QTest::newRow("continuation loses leading spaces, first line keeps them")
        << rows({"  Abcdefg   hij"}) << 0 << 100.0 << rows({"1 1440,1440   Abcdefg  ", "1 1440,1740 hij"});
    QTest::newRow("long word split, nothing lost or repeated")
        << rows({"Abcdefghijklmnopqrstuvw"}) << 0 << 100.0
        << rows({"1 1440,1440 Abcdefghij", "1 1440,1740 klmnopqrst", "1 1440,2040 uvw"});
    QTest::newRow("character wider than the line alone on its line")
        << rows({"aWb"}) << 0 << 100.0 << rows({"1 1440,1440 a", "1 1440,1740 W", "1 1440,2040 b"});
    QTest::newRow("tab before a space breaks")
        << rows({"Abcdefg\thij klm"}) << 0 << 100.0 << rows({"1 1440,1440 Abcdefg\t", "1 1440,1740 hij klm"});
    QTest::newRow("tab with no space after is no break")
        << rows({"Abcdefg\thijk"}) << 0 << 100.0 << rows({"1 1440,1440 Abcdefg\thi", "1 1440,1740 jk"});
    QTest::newRow("page break one inch above the bottom")
        << rows({"A", "B", "C", ""}) << 0 << 100.0
        << rows({"1 1440,1440 A", "1 1440,1740 B", "1 1440,2040 C", "2 1440,1440 "});
    QTest::newRow("right aligned") << rows({"Ab", ""}) << 1 << 100.0 << rows({"1 2240,1440 Ab", "1 2440,1740 "});
    QTest::newRow("centred") << rows({"Ab", ""}) << 2 << 100.0 << rows({"1 1840,1440 Ab", "1 1940,1740 "});
}

void TestPrintText::lines()
{
    QFETCH(QStringList, paragraphs);
    QFETCH(int, alignment);
    QFETCH(double, charWidth);
    QFETCH(QStringList, expected);

    RecordingPrinter p = printer();
    p.charWidth = charWidth;
    p.widths[QLatin1Char('W')] = 2000;
    QVERIFY(printText(p, paragraphs, kFont, PrintAlignment(alignment), kInch, kInch, kInch, kInch));
    QCOMPARE(layout(p), expected);
    QCOMPARE(p.finished, 1);
}

void TestPrintText::nothingToPrint_data()
{
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<double>("leftMargin");
    QTest::addColumn<double>("topMargin");
    QTest::addColumn<bool>("printerAsked");

    QTest::newRow("no paragraphs") << QStringList() << kInch << kInch << false;
    QTest::newRow("no width left") << QStringList{"Ann"} << kInch + 1000 << kInch << true;
    QTest::newRow("no height left") << QStringList{"Ann"} << kInch << kInch + 900 << true;
}

void TestPrintText::nothingToPrint()
{
    QFETCH(QStringList, paragraphs);
    QFETCH(double, leftMargin);
    QFETCH(double, topMargin);
    QFETCH(bool, printerAsked);

    RecordingPrinter p = printer();
    QVERIFY(!printText(p, paragraphs, kFont, PrintAlignment::Left, leftMargin, kInch, topMargin, kInch));
    QCOMPARE(p.calls > 0, printerAsked);
    QVERIFY(p.lines.isEmpty());
    QVERIFY(p.fonts.isEmpty());
    QCOMPARE(p.finished, 0);
}

void TestPrintText::fontSetAndCursorKept()
{
    RecordingPrinter p = printer();
    p.cursor.setY(2000); // already below the top margin: printing starts there
    QVERIFY(printText(p, {QStringLiteral("Al")}, kFont, PrintAlignment::Left, kInch, kInch, kInch, kInch));
    QCOMPARE(layout(p), QStringList{QStringLiteral("1 1440,2000 Al")});
    QVERIFY(p.fonts == QList<PrintFont>{kFont});
}

void TestPrintText::failureLeavesTheDocumentOpen()
{
    RecordingPrinter p = printer();
    p.printLine(QStringLiteral(" ")); // the document is open, as Print List leaves it
    p.linesBeforeFailure = 1;         // the second line fails
    QVERIFY(!printText(p, {"Ann", "Bob", ""}, kFont, PrintAlignment::Left, kInch, kInch, kInch, kInch));
    QCOMPARE(p.finished, 0);
    QCOMPARE(p.page, 1);
    QVERIFY(p.lines.size() <= 2);
}

QTEST_GUILESS_MAIN(TestPrintText)
#include "test_printtext.moc"
