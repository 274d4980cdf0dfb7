#include "app/OwnOptions.h"

#include <QTest>

// Which arguments end the program with a text of ours; Qt's own options must not.
class TestOwnOptions : public QObject
{
    Q_OBJECT
private slots:
    void ownOption_data();
    void ownOption();
};

void TestOwnOptions::ownOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<OwnOption>("expected");
    QTest::addColumn<QString>("file"); // the draw record named
    auto row = [](const char* name, const QStringList& arguments, OwnOption expected, const QString& file = {}) {
        QTest::newRow(name) << (QStringList{QStringLiteral("nimbrel")} + arguments) << expected << file;
    };
    row("none", {}, OwnOption::None);
    row("-h", {QStringLiteral("-h")}, OwnOption::Help);
    row("--help", {QStringLiteral("--help")}, OwnOption::Help);
    row("-v", {QStringLiteral("-v")}, OwnOption::Version);
    row("--version", {QStringLiteral("--version")}, OwnOption::Version);
    row("help wins", {QStringLiteral("-v"), QStringLiteral("-h")}, OwnOption::Help);
    // Words holding an h or a v are Qt's, not bundles of one-letter options.
    row("-reverse", {QStringLiteral("-reverse")}, OwnOption::None);
    row("-stylesheet", {QStringLiteral("-stylesheet"), QStringLiteral("my.qss")}, OwnOption::None);
    row("-visual", {QStringLiteral("-visual"), QStringLiteral("0x21")}, OwnOption::None);
    row("bundle", {QStringLiteral("-hv")}, OwnOption::None);
    // A value of Qt's option is Qt's, whatever it reads.
    row("title -v", {QStringLiteral("-qwindowtitle"), QStringLiteral("-v")}, OwnOption::None);
    row("value, then ours", {QStringLiteral("-name"), QStringLiteral("-h"), QStringLiteral("-v")}, OwnOption::Version);

    const QString check = QStringLiteral("--check-draw");
    const QString record = QStringLiteral("draw.txt");
    row("--check-draw FILE", {check, record}, OwnOption::CheckDraw, record);
    row("--check-draw=FILE", {QStringLiteral("--check-draw=draw.txt")}, OwnOption::CheckDraw, record);
    row("--check-draw, no file", {check}, OwnOption::CheckDraw);
    // The file's name is ours to read, even one like an option.
    row("file named -h", {check, QStringLiteral("-h")}, OwnOption::CheckDraw, QStringLiteral("-h"));
    row("help wins over checking", {QStringLiteral("-h"), check, record}, OwnOption::Help);
    row("checking wins over version", {QStringLiteral("-v"), check, record}, OwnOption::CheckDraw, record);
    row("one dash", {QStringLiteral("-check-draw"), record}, OwnOption::None);
    row("title --check-draw", {QStringLiteral("-qwindowtitle"), check}, OwnOption::None);
}

void TestOwnOptions::ownOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(OwnOption, expected);
    QFETCH(QString, file);
    QString named;
    QCOMPARE(::ownOption(arguments, &named), expected);
    QCOMPARE(named, file);
    QCOMPARE(::ownOption(arguments), expected); // the file is optional to ask for
}

QTEST_GUILESS_MAIN(TestOwnOptions)
#include "test_ownoptions.moc"
