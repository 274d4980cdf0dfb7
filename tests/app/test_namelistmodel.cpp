#include "hat/NameListModel.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

class TestNameListModel : public QObject
{
    Q_OBJECT
private slots:
    void editsKeepRowsAndWidest_data();
    void editsKeepRowsAndWidest();
    void batchWidthsMatchOneAtATime_data();
    void batchWidthsMatchOneAtATime();
};

void TestNameListModel::editsKeepRowsAndWidest_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 2") << 2u;
    QTest::newRow("seed 3") << 3u;
}

// Names stored in one place and shown through a row index: any mix of inserts, removals
// (the widest name and its equals among them) and re-orders must read back like a plain list.
void TestNameListModel::editsKeepRowsAndWidest()
{
    QFETCH(unsigned, seed);
    NameListModel model{QFont()};
    QStringList expected;
    std::mt19937 rng(seed);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    for (int step = 0; step < 600; ++step) {
        const int op = pick(expected.isEmpty() ? 1 : 5);
        if (op == 0) {
            // Few lengths, so equal widest names are common.
            const QString name = QString(1 + pick(12), QLatin1Char('m')) + QString::number(step % 3);
            const int row = pick(int(expected.size()) + 1);
            model.insert(row, name);
            expected.insert(row, name);
        } else if (op == 1) {
            const QStringList more = {QString(pick(12), QLatin1Char('w')), QStringLiteral("x")};
            model.append(more);
            expected += more;
        } else if (op == 2) {
            const int row = pick(int(expected.size()));
            model.remove(row);
            expected.removeAt(row);
        } else if (op == 3) {
            // The widest name, wherever it stands.
            int row = 0;
            for (int i = 1; i < expected.size(); ++i) {
                if (model.measure(expected[i]) > model.measure(expected[row]))
                    row = i;
            }
            model.remove(row);
            expected.removeAt(row);
        } else {
            std::vector<int> order(expected.size());
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), rng);
            model.permute(order, pick(2) ? NameListModel::Layout::Kept : NameListModel::Layout::Changed);
            QStringList before = expected;
            for (size_t j = 0; j < order.size(); ++j)
                expected[qsizetype(j)] = before[order[j]];
        }
        if (step == 300) {
            model.clear();
            expected.clear();
        }

        QCOMPARE(model.count(), int(expected.size()));
        int widest = 0;
        for (int row = 0; row < expected.size(); ++row) {
            QCOMPARE(model.text(row), expected[row]);
            QCOMPARE(model.index(row).data().toString(), expected[row]);
            QCOMPARE(model.width(row), model.measure(expected[row]));
            widest = std::max(widest, model.measure(expected[row]));
        }
        QCOMPARE(model.widestWidth(), widest);
    }
}

void TestNameListModel::batchWidthsMatchOneAtATime_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("meanwhile"); // done before the widths are in
    QFont bold;
    bold.setPointSize(15);
    bold.setBold(true);
    bold.setLetterSpacing(QFont::AbsoluteSpacing, 0.7);
    QFont unkerned;
    unkerned.setKerning(false);
    unkerned.setItalic(true);
    QFont smallCaps;
    smallCaps.setCapitalization(QFont::SmallCaps);
    const int big = int(NameListModel::kDeferredBatch);
    QTest::newRow("small batch") << QFont() << 50 << "";
    QTest::newRow("large batch") << QFont() << big << "";
    QTest::newRow("large odd batch, bold spaced") << bold << 2 * big + 1 << "";
    QTest::newRow("large batch, no kerning") << unkerned << big + 3 << "";
    QTest::newRow("large batch, small capitals") << smallCaps << big << "";
    QTest::newRow("re-ordered while measuring") << QFont() << big << "permute";
    QTest::newRow("first removed while measuring") << QFont() << big << "remove";
    QTest::newRow("one added while measuring") << QFont() << big << "insert";
    QTest::newRow("another batch while measuring") << bold << big << "append";
}

// Whenever a batch is measured, every name gets the width it gets alone, in its own row, and
// the widest of them sets the widest width; a change made in the meantime keeps them.
void TestNameListModel::batchWidthsMatchOneAtATime()
{
    QFETCH(QFont, font);
    QFETCH(int, count);
    QFETCH(QString, meanwhile);
    // Kerning pairs, ligatures, an ampersand, accents, combining marks, right-to-left and
    // wide scripts: texts whose width is not the sum of their letters' widths.
    const QStringList pieces = {QStringLiteral("AV"),
                                QStringLiteral("To"),
                                QStringLiteral("ffi"),
                                QStringLiteral(" & "),
                                QStringLiteral("\u00e9t\u00e9"),
                                QStringLiteral("e\u0301"),
                                QStringLiteral("\u0633\u0644\u0627\u0645"),
                                QStringLiteral("\u540d\u524d"),
                                QStringLiteral("Wally"),
                                QStringLiteral("i")};
    std::mt19937 rng(static_cast<unsigned>(count));
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        QString text;
        for (int p = int(rng() % 8); p >= 0; --p)
            text += pieces[qsizetype(rng() % unsigned(pieces.size()))];
        texts << text;
    }
    NameListModel model(font);
    QSignalSpy measured(&model, &NameListModel::measured);
    model.append({QStringLiteral("first")});
    model.append(texts);
    QStringList expected = QStringList{QStringLiteral("first")} + texts;
    if (meanwhile == "permute") {
        std::vector<int> order(size_t(expected.size()));
        std::iota(order.rbegin(), order.rend(), 0);
        model.permute(order);
        std::reverse(expected.begin(), expected.end());
    } else if (meanwhile == "remove") {
        model.remove(0);
        expected.removeFirst();
    } else if (meanwhile == "insert") {
        model.insert(1, QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
        expected.insert(1, QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    } else if (meanwhile == "append") {
        model.append(texts);
        expected += texts;
    }
    if (model.measuring())
        QVERIFY(measured.wait());
    QVERIFY(!model.measuring());

    const QFontMetrics alone(font);
    QCOMPARE(model.count(), int(expected.size()));
    int widest = 0;
    for (int row = 0; row < expected.size(); ++row) {
        const int width = alone.horizontalAdvance(expected[row]);
        QCOMPARE(model.text(row), expected[row]);
        QCOMPARE(model.width(row), width);
        widest = std::max(widest, width);
    }
    QCOMPARE(model.widestWidth(), widest);
}

QTEST_MAIN(TestNameListModel)
#include "test_namelistmodel.moc"
