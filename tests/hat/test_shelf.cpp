// Several lists, driven without a window: each change to the lists with the current one
// empty, full or with names set aside, as the run sees it and as the next run reads it; and
// the store, as an older version left it and as an older version reads it.
#include "ForwardingStore.h"
#include "QueuedRandomSource.h"
#include "TestHome.h"
#include "hat/Hat.h"
#include "hat/Shelf.h"
#include "settings/Settings.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace SettingsKeys;

namespace {

// Records the sections each batch writes and the sections read.
class WatchedStore : public ForwardingStore
{
public:
    QStringList written;
    QStringList read; // but for the options
    std::vector<Row> rows(std::string_view s) override
    {
        read << QString::fromUtf8(s.substr(s.rfind('\\') + 1));
        return m_real->rows(s);
    }
    std::optional<std::string> value(std::string_view s, std::string_view n) override
    {
        if (!s.ends_with("Options"))
            read << QString::fromUtf8(s.substr(s.rfind('\\') + 1));
        return m_real->value(s, n);
    }
    StoreStatus replaceSections(std::span<const SectionRows> sections, std::uint32_t ms) override
    {
        for (const SectionRows& s : sections)
            written << QString::fromUtf8(s.section.substr(s.section.rfind('\\') + 1));
        return m_real->replaceSections(sections, ms);
    }
};

// A run of the program over the test home's store.
struct Run
{
    QueuedRandomSource random;
    std::shared_ptr<WatchedStore> store = std::make_shared<WatchedStore>();
    Settings settings{store};
    Shelf shelf{settings, random, QGuiApplication::font()};
    Run() { shelf.load(); }
};

QStringList numbered(int count, const QString& stem)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << stem + QString::number(i);
    return names;
}

// Every list as "name: names | set-aside names", the current one marked, read by switching
// to each in turn (and back).
QStringList contents(Shelf& shelf)
{
    QStringList out;
    const int current = shelf.currentIndex();
    for (int i = 0; i < shelf.count(); ++i) {
        shelf.switchTo(i);
        const Hat& hat = shelf.current();
        const QStringList names = hat.names();
        // A full list by its size and ends.
        const QString shown = names.size() > 3
                                  ? QStringLiteral("%1 names %2..%3").arg(names.size()).arg(names.first(), names.last())
                                  : names.join(QLatin1Char(','));
        out << (i == current ? QStringLiteral("*") : QString()) + shelf.nameAt(i) + QStringLiteral(": ") + shown +
                   QStringLiteral(" | ") + hat.setAside().join(QLatin1Char(','));
    }
    shelf.switchTo(current);
    return out;
}

} // namespace

class TestShelf : public QObject
{
    Q_OBJECT
private slots:
    void operations_data();
    void operations();
    void store_data();
    void store();
};

void TestShelf::operations_data()
{
    QTest::addColumn<QString>("state");     // of 4A, the current list
    QTest::addColumn<QString>("change");    // to the lists
    QTest::addColumn<QStringList>("after"); // contents() after the change, and in the next run
    const QMap<QString, QString> states = {
        {"empty", ": "}, {"full", ": 32767 names a0..a32766"}, {"set aside", ": a2,a3"}};
    for (auto s = states.begin(); s != states.end(); ++s) {
        const QString a = s.value() + (s.key() == "set aside" ? " | a0,a1" : " | ");
        const QString b = "4B: Bo,Cy | Al";
        const auto row = [&](const char* change, const QStringList& after) {
            QTest::addRow("%s, %s", change, qPrintable(s.key())) << s.key() << QString(change) << after;
        };
        row("new", {"4A" + a, b, "*4C:  | "});
        row("rename", {"*Year 4" + a, b});
        row("duplicate", {"4A" + a, b, "*4A (copy)" + a});
        row("delete", {"*" + b});
        row("delete, undone", {"*4A" + a, b});
        row("switch", {"4A" + a, "*" + b});
    }
    // Refused: the lists stay as they were.
    const QStringList asBefore = {"*4A: a0 | ", "4B: Bo,Cy | Al"};
    QTest::newRow("name taken, in other capitals") << "one"
                                                   << "rename 4b" << asBefore;
    QTest::newRow("name of 101 characters") << "one"
                                            << "rename " + QString(101, u'x') << asBefore;
    QTest::newRow("name with a line break") << "one"
                                            << "rename 4\nC" << asBefore;
    QTest::newRow("the 101st list") << "one"
                                    << "new 99" << QStringList();
}

void TestShelf::operations()
{
    QFETCH(QString, state);
    QFETCH(QString, change);
    QFETCH(QStringList, after);
    TestHome home;
    const int count = state == "full" ? kMaxNames : state == "set aside" ? 4 : state == "one" ? 1 : 0;
    Settings(openUserStore()).saveNames(numbered(count, "a"));
    {
        Run run;
        Shelf& shelf = run.shelf;
        QCOMPARE(shelf.rename(0, "4A"), Shelf::Refusal::None);
        QCOMPARE(shelf.add("4B", {"Al", "Bo", "Cy"}), Shelf::Refusal::None);
        shelf.current().setAsideFirst();
        shelf.switchTo(0);
        if (state == "set aside") {
            shelf.current().setAsideFirst();
            shelf.current().setAsideFirst();
        }

        Shelf::Refusal refusal = Shelf::Refusal::None;
        if (change == "new")
            refusal = shelf.add("4C");
        else if (change == "rename")
            refusal = shelf.rename(0, "Year 4");
        else if (change.startsWith("rename "))
            refusal = shelf.rename(0, change.mid(7));
        else if (change == "duplicate")
            refusal = shelf.duplicate(0);
        else if (change.startsWith("delete"))
            refusal = shelf.remove(0);
        else if (change == "switch")
            refusal = shelf.switchTo(1);
        if (change == "delete, undone") {
            QCOMPARE(shelf.restorable(), QStringLiteral("4A"));
            refusal = shelf.restore();
        }
        if (change == "new 99") {
            for (int i = 0; i < Shelf::kMaxLists - 2; ++i)
                QCOMPARE(shelf.add(QString::number(i)), Shelf::Refusal::None);
            QCOMPARE(shelf.add("one more"), Shelf::Refusal::TooManyLists);
            QCOMPARE(shelf.duplicate(0), Shelf::Refusal::TooManyLists);
            QCOMPARE(shelf.count(), Shelf::kMaxLists);
            return;
        }
        QCOMPARE(refusal == Shelf::Refusal::None, !change.startsWith("rename "));
        QCOMPARE(contents(shelf), after);
        // 4A's undo history stays with it for the run, wherever it was left.
        if (shelf.nameAt(0).endsWith("4A") || shelf.nameAt(0) == "Year 4") {
            shelf.switchTo(0);
            QCOMPARE(shelf.current().canUndo(), state == "set aside");
        }
        shelf.switchTo(int(after.indexOf(QRegularExpression("^\\*.*"))));
        QCOMPARE(shelf.current().finish().outcome, Hat::Finished::Outcome::Saved);
    }
    Run next;
    QCOMPARE(contents(next.shelf), after);
    // A version that knows of one list reads the current one.
    QCOMPARE(next.settings.names(), next.shelf.current().names());
    QCOMPARE(next.settings.setAsideNames(), next.shelf.current().setAside());
}

void TestShelf::store_data()
{
    QTest::addColumn<QString>("store");
    QTest::newRow("older version's store") << "older";
    QTest::newRow("older version's edit of the current list") << "older reader";
    QTest::newRow("100 lists, 99 of 1,000 names") << "100 lists";
    QTest::newRow("names with line breaks, backslashes, blank") << "odd names";
}

void TestShelf::store()
{
    QFETCH(QString, store);
    TestHome home;
    Settings(openUserStore()).saveNames({"Ann", "Bob", "Cy"}, {"Dee"});
    if (store == "older") {
        Run run;
        QCOMPARE(run.shelf.count(), 1);
        QCOMPARE(run.shelf.nameAt(0), Shelf::defaultName());
        QCOMPARE(run.shelf.current().names(), QStringList({"Ann", "Bob", "Cy"}));
        QCOMPARE(run.shelf.current().setAside(), QStringList{"Dee"});
        // The exit save writes the list, and no lists the older version does not know of.
        QCOMPARE(run.shelf.current().finish().outcome, Hat::Finished::Outcome::Saved);
        QCOMPARE(run.store->written, QStringList({NamesSection, SetAsideSection}));
        QVERIFY(run.settings.listIndex().isEmpty());
        return;
    }
    if (store == "odd names") {
        const QStringList odd = {"", "a\\nb", "c\nd", "e\\", "\\", ""};
        {
            Run run;
            run.shelf.add("4B", odd);
            run.shelf.switchTo(0);
            run.shelf.current().finish();
        }
        Run next;
        next.shelf.switchTo(1);
        QCOMPARE(next.shelf.current().names(), odd);
        return;
    }
    if (store == "older reader") {
        {
            Run run;
            run.shelf.add("4B", {"Eve"});
            run.shelf.current().setAsideFirst();
            QSignalSpy written(&run.shelf, &Shelf::written);
            run.shelf.switchTo(0);
            QVERIFY(written.wait()); // once the window shows it
            QCOMPARE(run.settings.names(), QStringList({"Ann", "Bob", "Cy"}));
            QCOMPARE(run.settings.setAsideNames(), QStringList{"Dee"});
            run.shelf.switchTo(1);
            QVERIFY(written.wait());
            QCOMPARE(run.settings.names(), QStringList());
            QCOMPARE(run.settings.setAsideNames(), QStringList{"Eve"});
            run.shelf.current().finish();
        }
        // An older version adds a name to the list it knows and brings the set-aside one back.
        Settings(openUserStore()).saveNames({"Zed", "Eve"});
        Run next;
        QCOMPARE(contents(next.shelf), QStringList({"Names: Ann,Bob,Cy | Dee", "*4B: Zed,Eve | "}));
        return;
    }
    {
        Run run;
        for (int i = 1; i < Shelf::kMaxLists; ++i)
            run.shelf.add(QString::number(i), numbered(1000, QString::number(i) + "-"));
        QSignalSpy written(&run.shelf, &Shelf::written);
        run.shelf.switchTo(0);
        QVERIFY(written.wait());
        run.store->written.clear();
        run.shelf.current().finish();
        // Only what changed: the list shown, as it always is.
        QCOMPARE(run.store->written, QStringList({NamesSection, SetAsideSection}));
    }
    Run next;
    // Start-up reads which lists there are and the current one, none of the others.
    QCOMPARE(next.store->read, QStringList({ListsSection, NamesSection, SetAsideSection}));
    QCOMPARE(next.shelf.count(), Shelf::kMaxLists);
    next.shelf.switchTo(57);
    QCOMPARE(next.shelf.current().names(), numbered(1000, "57-"));
    QCOMPARE(next.store->read.size(), 5);
}

QTEST_MAIN(TestShelf)
#include "test_shelf.moc"
