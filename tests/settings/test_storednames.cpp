#include "settings/StoredNames.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using Rows = QList<std::pair<QString, QString>>;

class TestStoredNames : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
};

void TestStoredNames::order_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("sorted by name") << Rows{{"Name0", "a"},  {"Name1", "b"}, {"Name10", "k"},
                                            {"Name11", "l"}, {"Name2", "c"}, {"Name9", "j"}}
                                    << QStringList{"a", "b", "c", "j", "k", "l"};
    QTest::newRow("gaps and other case") << Rows{{"name7", "h"}, {"NAME02", "c"}, {"Name0", "a"}}
                                         << QStringList{"a", "c", "h"};
    QTest::newRow("a foreign name keeps the store's order")
        << Rows{{"Name1", "b"}, {"Name0", "a"}, {"Note", "x"}} << QStringList{"b", "a", "x"};
    QTest::newRow("no number") << Rows{{"Name1", "b"}, {"Name", "x"}} << QStringList{"b", "x"};
    QTest::newRow("not only digits") << Rows{{"Name1", "b"}, {"Name 0", "x"}, {"Name+0", "y"}}
                                     << QStringList{"b", "x", "y"};
    QTest::newRow("number too large") << Rows{{"Name1", "b"}, {"Name99999999999999999999", "x"}}
                                      << QStringList{"b", "x"};
    QTest::newRow("largest number") << Rows{{"Name18446744073709551615", "z"}, {"Name18446744073709551614", "y"}}
                                    << QStringList{"y", "z"};
    QTest::newRow("one past the largest")
        << Rows{{"Name18446744073709551616", "x"}, {"Name0", "a"}} << QStringList{"x", "a"};
    QTest::newRow("not ASCII") << Rows{{"Name1", "b"}, {u"Nａme0"_s, "x"}, {"Name0", u"Müller"_s}}
                               << QStringList{"b", "x", u"Müller"_s};
    QTest::newRow("nothing stored") << Rows{} << QStringList{};
}

void TestStoredNames::order()
{
    QFETCH(Rows, rows);
    QFETCH(QStringList, expected);

    std::vector<SettingsStore::Row> stored;
    for (const auto& [name, text] : rows)
        stored.emplace_back(name.toStdString(), text.toStdString());
    QCOMPARE(storedNamesInOrder(stored), expected);
}

QTEST_GUILESS_MAIN(TestStoredNames)
#include "test_storednames.moc"
