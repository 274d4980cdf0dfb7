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
    QTest::addColumn<QString>("value"); // the draw record named, or the unknown option
    auto row = [](const char* name, const QStringList& arguments, OwnOption expected, const QString& value = {}) {
        QTest::newRow(name) << (QStringList{QStringLiteral("nimbrel")} + arguments) << expected << value;
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
    row("bundle", {QStringLiteral("-hv")}, OwnOption::Unknown, QStringLiteral("-hv"));
    // A value of Qt's option is Qt's, whatever it reads.
    row("title -v", {QStringLiteral("-qwindowtitle"), QStringLiteral("-v")}, OwnOption::None);
    row("value, then ours", {QStringLiteral("-name"), QStringLiteral("-h"), QStringLiteral("-v")}, OwnOption::Version);
    // Qt's options that take a value, one of each kind, with one dash or two: "-title -v" starts the
    // program titled "-v".
    for (const char* option :
         {"-style", "-platform", "-qwindowgeometry", "-title", "-display", "-fn", "-inputstyle", "--title"}) {
        QTest::addRow("%s -v", option) << QStringList{"nimbrel", option, "-v"} << OwnOption::None << QString();
        QTest::addRow("%s -x", option) << QStringList{"nimbrel", option, "-x"} << OwnOption::None << QString();
    }
    // Qt's options that stand alone, and the ones with their value after "=".
    for (const char* option :
         {"-widgetcount", "-nograb", "-sync", "--reverse", "-style=fusion", "-qmljsdebugger=port:1234"})
        QTest::addRow("%s alone", option) << QStringList{"nimbrel", option} << OwnOption::None << QString();
    // What is not an option is a file for the program, even after "--".
    row("a file", {QStringLiteral("names.txt")}, OwnOption::None);
    row("standard input", {QStringLiteral("-")}, OwnOption::None);
    row("after --", {QStringLiteral("--"), QStringLiteral("-names.txt")}, OwnOption::None);
    // Anything else is unknown, and wins over a version asked for first; help asked for
    // first still helps.
    row("--bogus", {QStringLiteral("--bogus")}, OwnOption::Unknown, QStringLiteral("--bogus"));
    row("-x", {QStringLiteral("-x")}, OwnOption::Unknown, QStringLiteral("-x"));
    row("--help-all", {QStringLiteral("--help-all")}, OwnOption::Unknown, QStringLiteral("--help-all"));
    row("value not after =", {QStringLiteral("-platform=xcb")}, OwnOption::Unknown, QStringLiteral("-platform=xcb"));
    row("after a file", {QStringLiteral("a.txt"), QStringLiteral("-x")}, OwnOption::Unknown, QStringLiteral("-x"));
    row("after a version", {QStringLiteral("-v"), QStringLiteral("-x")}, OwnOption::Unknown, QStringLiteral("-x"));
    row("after help", {QStringLiteral("-h"), QStringLiteral("-x")}, OwnOption::Help);

    const QString check = QStringLiteral("--check-draw");
    const QString record = QStringLiteral("draw.txt");
    row("--check-draw FILE", {check, record}, OwnOption::CheckDraw, record);
    row("--check-draw=FILE", {QStringLiteral("--check-draw=draw.txt")}, OwnOption::CheckDraw, record);
    row("--check-draw, no file", {check}, OwnOption::CheckDraw);
    // The file's name is ours to read, even one like an option.
    row("file named -h", {check, QStringLiteral("-h")}, OwnOption::CheckDraw, QStringLiteral("-h"));
    row("help wins over checking", {QStringLiteral("-h"), check, record}, OwnOption::Help);
    row("checking wins over version", {QStringLiteral("-v"), check, record}, OwnOption::CheckDraw, record);
    row("one dash", {QStringLiteral("-check-draw"), record}, OwnOption::Unknown, QStringLiteral("-check-draw"));
    row("title --check-draw", {QStringLiteral("-qwindowtitle"), check}, OwnOption::None);
}

void TestOwnOptions::ownOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(OwnOption, expected);
    QFETCH(QString, value);
    QString named;
    QCOMPARE(::ownOption(arguments, &named), expected);
    QCOMPARE(named, value);
}

QTEST_GUILESS_MAIN(TestOwnOptions)
#include "test_ownoptions.moc"
