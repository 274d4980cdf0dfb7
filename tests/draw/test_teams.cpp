#include "draw/MaxNames.h"
#include "draw/Teams.h"

#include <QTest>

// Teams dealt from the drawn order: how many, how large, and who goes where.
class TestTeams : public QObject
{
    Q_OBJECT
private slots:
    void deal_data();
    void deal();
};

void TestTeams::deal_data()
{
    QTest::addColumn<int>("names");
    QTest::addColumn<int>("teams");        // asked for; 0 when a size is
    QTest::addColumn<int>("size");         // names in each team asked for; 0 when a number of teams is
    QTest::addColumn<QList<int>>("sizes"); // each team's size; none when refused

    QTest::newRow("28 into 7 teams") << 28 << 7 << 0 << QList<int>(7, 4);
    QTest::newRow("28 in teams of 4") << 28 << 0 << 4 << QList<int>(7, 4);
    QTest::newRow("10 into 3 teams: the first ones larger") << 10 << 3 << 0 << QList<int>{4, 3, 3};
    QTest::newRow("10 in teams of 4: three teams") << 10 << 0 << 4 << QList<int>{4, 3, 3};
    QTest::newRow("10 in teams of 3: four teams, none over 3") << 10 << 0 << 3 << QList<int>{3, 3, 2, 2};
    QTest::newRow("as many teams as names") << 5 << 5 << 0 << QList<int>(5, 1);
    QTest::newRow("teams of one") << 5 << 0 << 1 << QList<int>(5, 1);
    QTest::newRow("fewer names than teams") << 4 << 5 << 0 << QList<int>();
    QTest::newRow("no names") << 0 << 2 << 0 << QList<int>();
    QTest::newRow("no team") << 5 << 0 << 0 << QList<int>();
    QTest::newRow("a full list into 2 teams") << kMaxNames << 2 << 0 << QList<int>{16384, 16383};
    QTest::newRow("a full list in teams of 10,000") << kMaxNames << 0 << 10000 << QList<int>{8192, 8192, 8192, 8191};
}

void TestTeams::deal()
{
    QFETCH(int, names);
    QFETCH(int, teams);
    QFETCH(int, size);
    QFETCH(QList<int>, sizes);
    if (size > 0 || teams == 0)
        teams = Teams::countForSize(names, size);
    const std::vector<std::vector<int>> dealt = Teams::deal(names, teams);
    QList<int> got;
    for (const std::vector<int>& team : dealt)
        got.append(int(team.size()));
    QCOMPARE(got, sizes);
    // Dealt as cards are: the n-th name drawn goes to team n modulo the teams, each team's
    // names in the order drawn, so the drawn order alone decides the teams.
    for (std::size_t team = 0; team < dealt.size(); ++team) {
        for (std::size_t i = 0; i < dealt[team].size(); ++i)
            QCOMPARE(dealt[team][i], int(team + i * dealt.size()));
    }
}

QTEST_GUILESS_MAIN(TestTeams)
#include "test_teams.moc"
