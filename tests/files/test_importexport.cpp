#include "MainWindowFixture.h"

#include "platform/StoreLocation.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

class TestImportExport : public QObject
{
    Q_OBJECT
private slots:
    void importAsks_data();
    void importAsks();
    void importOutcome_data();
    void importOutcome();
    void exportAndImportBack();
    void failedExportIsReported_data();
    void failedExportIsReported();
    void settingsFileIsRefused_data();
    void settingsFileIsRefused();
};

namespace {

using Call = ScriptedPrompter::Call;
QString lastUsedFolder()
{
    return MainWindowFixture::stored(SettingsKeys::LastUsedFolder, QStringLiteral("<absent>"));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void verifyDialog(const Call& call, Call::Kind kind, const QString& title, const QString& start,
                  const MainWindow& owner)
{
    QCOMPARE(call.kind, kind);
    QCOMPARE(call.title, title);
    QCOMPARE(call.initialFolder, start);
    QCOMPARE(call.owner, &owner);
    const QList<Prompter::FileFilter> filters{{QStringLiteral("Text Files (*.txt)"), QStringLiteral("*.txt")},
                                              {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")}};
    QCOMPARE(call.filters, filters);
}

} // namespace

void TestImportExport::importAsks_data()
{
    QTest::addColumn<bool>("listHasNames");
    QTest::addColumn<bool>("setAside");           // a name set aside from the list: it goes too
    QTest::addColumn<Prompter::Answer>("answer"); // to the question, when asked
    QTest::addColumn<bool>("chooses");            // a file in the dialog, when shown
    QTest::addColumn<QStringList>("after");
    const QStringList old{QStringLiteral("Old")};
    const QStringList imported{QStringLiteral("Ann"), QStringLiteral("Bob")};
    QTest::newRow("empty list: no question") << false << false << Prompter::Answer::No << true << imported;
    QTest::newRow("No: no dialog") << true << false << Prompter::Answer::No << false << old;
    QTest::newRow("Yes, then cancel") << true << false << Prompter::Answer::Yes << false << old;
    QTest::newRow("Yes, then a file") << true << false << Prompter::Answer::Yes << true << imported;
    QTest::newRow("a name set aside: said, and it goes") << true << true << Prompter::Answer::Yes << true << imported;
}

void TestImportExport::importAsks()
{
    QFETCH(bool, listHasNames);
    QFETCH(bool, setAside);
    QFETCH(Prompter::Answer, answer);
    QFETCH(bool, chooses);
    QFETCH(QStringList, after);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    if (setAside) {
        f.hat().append(QStringLiteral("Aside"));
        f.hat().setAsideFirst();
    }
    if (listHasNames)
        f.hat().append(QStringLiteral("Old"));
    const QString file = fx.appDir.filePath(QStringLiteral("names.txt"));
    writeBytes(file, "Ann\r\n\r\nBob\r\n\r\n");

    const bool asks = listHasNames;
    const bool shows = !asks || answer == Prompter::Answer::Yes;
    if (asks)
        fx.prompter.answer(answer);
    if (shows)
        fx.prompter.choose(chooses ? file : QString());
    f.importList();

    QCOMPARE(fx.prompter.calls.size(), int(asks) + int(shows));
    if (asks) {
        const Call& q = fx.prompter.calls.first();
        QCOMPARE(q.prompt, setAside ? QStringLiteral("This will overwrite any names you currently have in the list, "
                                                     "and the 1 set-aside name. Do you wish to continue?")
                                    : QStringLiteral("This will overwrite any names you currently have in the "
                                                     "list. Do you wish to continue?"));
        QCOMPARE(q.title, QStringLiteral("Confirmation"));
        QCOMPARE(q.icon, Prompter::Icon::Warning);
    }
    if (shows)
        verifyDialog(fx.prompter.calls.last(), Call::Open, QStringLiteral("Select file to import..."), fx.appDir.path(),
                     f);
    QCOMPARE(MainWindowFixture::names(f), after);
    QCOMPARE(f.hat().setAside().isEmpty(), !setAside || chooses);
    QCOMPARE(lastUsedFolder(), chooses ? file : QStringLiteral("<absent>"));
    QCOMPARE(nameList(f)->horizontalExtent() > 0, !after.isEmpty()); // fitted to the names shown
}

void TestImportExport::importOutcome_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");       // names in the list afterwards
    QTest::addColumn<QString>("message"); // part of the message shown, "" for none
    QByteArray tooMany;
    for (int i = 0; i < 32767 + 2; ++i)
        tooMany += "Name " + QByteArray::number(i) + "\n";
    QTest::newRow("not a text file: list kept") << QByteArray("Ann\0Bob", 7) << 2 << QStringLiteral("NUL");
    QTest::newRow("empty file: list emptied") << QByteArray() << 0 << QString();
    QTest::newRow("too many: the first 32,767")
        << tooMany << 32767 << QStringLiteral("The first 32,767 were imported; 2 were left out.");
}

void TestImportExport::importOutcome()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(QString, message);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Old"), QStringLiteral("List")});
    const QString file = fx.appDir.filePath(QStringLiteral("in.txt"));
    writeBytes(file, bytes);

    fx.prompter.answer(Prompter::Answer::Yes);
    fx.prompter.choose(file);
    int countDuringMessage = -1;
    if (!message.isEmpty()) {
        fx.prompter.expectMessage();
        // The message comes once the list is what it will stay (the third question).
        fx.prompter.duringNext([&] {
            fx.prompter.duringNext([&] { fx.prompter.duringNext([&] { countDuringMessage = f.hat().count(); }); });
        });
    }
    f.importList();
    if (!message.isEmpty()) {
        QCOMPARE(fx.prompter.calls.size(), 3);
        const Call& oops = fx.prompter.calls[2];
        QCOMPARE(oops.title, QStringLiteral("Oops!"));
        QCOMPARE(oops.icon, Prompter::Icon::Warning);
        QVERIFY2(oops.prompt.contains(message), qPrintable(oops.prompt));
        if (count == 2)
            QVERIFY2(oops.prompt.contains(file), "the message names the file");
        QCOMPARE(countDuringMessage, count);
    } else {
        QCOMPARE(fx.prompter.calls.size(), 2);
    }
    QCOMPARE(f.hat().count(), count);
    if (count == 2)
        QCOMPARE(MainWindowFixture::names(f), (QStringList{QStringLiteral("Old"), QStringLiteral("List")}));
    // The choice is remembered whether or not the file could be read.
    QCOMPARE(lastUsedFolder(), file);
}

void TestImportExport::exportAndImportBack()
{
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append({QStringLiteral("Ann"), QStringLiteral("Bob")});
    const QString file = fx.appDir.filePath(QStringLiteral("out.txt"));
    fx.prompter.choose(file);
    f.exportList();
    QCOMPARE(fx.prompter.calls.size(), 1);
    verifyDialog(fx.prompter.calls[0], Call::Save, QStringLiteral("Select export file..."), fx.appDir.path(), f);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("Ann\r\n\r\nBob\r\n\r\n"));
    QCOMPARE(lastUsedFolder(), file);

    // The next dialog starts at the file just chosen; the import brings the list back.
    f.hat().clear();
    f.hat().append(QStringLiteral("Other"));
    fx.prompter.calls.clear();
    fx.prompter.answer(Prompter::Answer::Yes);
    fx.prompter.choose(file);
    f.importList();
    verifyDialog(fx.prompter.calls.last(), Call::Open, QStringLiteral("Select file to import..."), file, f);
    QCOMPARE(MainWindowFixture::names(f), (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}));
}

void TestImportExport::failedExportIsReported_data()
{
    QTest::addColumn<QString>("target"); // below the program folder
    QTest::addColumn<bool>("pipe");      // a pipe is there
    QTest::addColumn<QString>("message");
    QTest::newRow("no folder: nothing made")
        << "missing-folder/out.txt" << false
        << "Could not export to \"%1\".\nNo such file or directory.\nNo file was made.";
    QTest::newRow("a pipe: left as it was") << "pipe" << true
                                            << "Could not export to \"%1\".\nIt is not an ordinary file.\n"
                                               "A file already there is unchanged.";
}

void TestImportExport::failedExportIsReported()
{
    QFETCH(QString, target);
    QFETCH(bool, pipe);
    QFETCH(QString, message);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.hat().append(QStringLiteral("Ann"));
    const QString path = fx.appDir.filePath(target);
    if (pipe)
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    fx.prompter.choose(path);
    fx.prompter.expectMessage();
    f.exportList();
    QCOMPARE(fx.prompter.calls.size(), 2);
    QCOMPARE(fx.prompter.calls[1].title, QStringLiteral("Oops!"));
    QCOMPARE(fx.prompter.calls[1].icon, Prompter::Icon::Warning);
    QCOMPARE(fx.prompter.calls[1].prompt, message.arg(path));
    QCOMPARE(QFileInfo(path).exists(), pipe);
    QVERIFY(!QFileInfo(path).isFile());
}

void TestImportExport::settingsFileIsRefused_data()
{
    QTest::addColumn<bool>("exporting"); // else importing
    QTest::addColumn<QString>("reach");  // how the chosen path reaches the store's folder
    QTest::addColumn<QString>("name");   // the file chosen there
    QTest::addColumn<bool>("refused");
    QTest::newRow("export onto the file") << true << "folder"
                                          << "registry.sqlite" << true;
    QTest::newRow("export onto its -wal") << true << "folder"
                                          << "registry.sqlite-wal" << true;
    QTest::newRow("export onto its -shm") << true << "folder"
                                          << "registry.sqlite-shm" << true;
    QTest::newRow("export through a link to the file") << true << "link to file"
                                                       << "" << true;
    QTest::newRow("export through a dotted folder") << true << "dotted"
                                                    << "registry.sqlite" << true;
    QTest::newRow("export to the same name elsewhere") << true << "elsewhere"
                                                       << "registry.sqlite" << false;
    QTest::newRow("import of the file") << false << "folder"
                                        << "registry.sqlite" << true;
    QTest::newRow("import through a link to the file") << false << "link to file"
                                                       << "" << true;
}

// The settings file is no list: written over, the options and names would be gone; read,
// the program would lose its locks on it.
void TestImportExport::settingsFileIsRefused()
{
    QFETCH(bool, exporting);
    QFETCH(QString, reach);
    QFETCH(QString, name);
    QFETCH(bool, refused);
    MainWindowFixture fx;
    const QStringList list{QStringLiteral("Ann"), QStringLiteral("Bob")};
    fx.open().hat().append(list);
    fx.close();
    MainWindow& f = fx.open(); // the store is open again, as in any run
    const QString store = QString::fromStdString(userStorePath());
    const QString folder = QFileInfo(store).path();
    QString path = folder + QLatin1Char('/') + name;
    if (reach == QLatin1String("link to file")) {
        path = fx.appDir.filePath(QStringLiteral("names.txt"));
        QVERIFY(QFile::link(store, path));
    } else if (reach == QLatin1String("dotted")) {
        path = folder + QStringLiteral("/../nimbrel/./") + name;
    } else if (reach == QLatin1String("elsewhere")) {
        path = fx.appDir.filePath(name);
        writeBytes(path, "Cy\n");
    }

    if (!exporting)
        fx.prompter.answer(Prompter::Answer::Yes);
    fx.prompter.choose(path);
    if (refused)
        fx.prompter.expectMessage();
    if (exporting)
        f.exportList();
    else
        f.importList();
    QCOMPARE(fx.prompter.pending(), 0);
    if (refused) {
        const QString why = QStringLiteral("It is the program's settings file");
        QCOMPARE(
            fx.prompter.calls.last().prompt,
            exporting
                ? QStringLiteral("Could not export to \"%1\".\n%2.\nA file already there is unchanged.").arg(path, why)
                : QStringLiteral("Could not import \"%1\".\n%2.\nThe list is unchanged.").arg(path, why));
    }
    QCOMPARE(MainWindowFixture::names(f), list);
    fx.close();
    QCOMPARE(fx.store().names(), list);
    QVERIFY(fx.store().takeDamagedCopy().isEmpty());
}

QTEST_MAIN(TestImportExport)
#include "test_importexport.moc"
