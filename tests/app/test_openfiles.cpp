// Files named when the program starts (`nimbrel FILE`, or handed over by a later start):
// which arguments are files, and their import, which is a dropped file's.
#include "MainWindowFixture.h"
#include "app/FileArguments.h"

#include <QDialog>
#include <QTest>

class TestOpenFiles : public QObject
{
    Q_OBJECT
private slots:
    void filesToOpen_data();
    void filesToOpen();
    void openFiles_data();
    void openFiles();
};

void TestOpenFiles::filesToOpen_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<QStringList>("files");
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("relative: from the working folder")
        << QStringList{"names.txt"} << QStringList{"/home/ann/work/names.txt"};
    QTest::newRow("absolute, cleaned") << QStringList{"/tmp/./a//b.txt"} << QStringList{"/tmp/a/b.txt"};
    QTest::newRow("parent folder, spaces kept")
        << QStringList{"../my list.txt"} << QStringList{"/home/ann/my list.txt"};
    QTest::newRow("options are not files")
        << QStringList{"--check", "-x", "a.txt"} << QStringList{"/home/ann/work/a.txt"};
    QTest::newRow("after --, a name with a dash is a file")
        << QStringList{"--", "-names.txt", "--"} << QStringList{"/home/ann/work/-names.txt", "/home/ann/work/--"};
    QTest::newRow("several, in order") << QStringList{"b.txt", "a.txt"}
                                       << QStringList{"/home/ann/work/b.txt", "/home/ann/work/a.txt"};
}

void TestOpenFiles::filesToOpen()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QCOMPARE(::filesToOpen(QStringList{"/usr/bin/nimbrel"} + arguments, "/home/ann/work"), files);
}

void TestOpenFiles::openFiles_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("files"); // copies of names.txt
    QTest::addColumn<bool>("dialogOpen");
    QTest::addColumn<bool>("shuffling");
    QTest::addColumn<QString>("answer"); // to the one question (Yes/No) or message (OK); "" when none comes
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("after");
    const QStringList old{"Old", "Older"}, imported{"Ann", "Bob"};
    const QString confirm("This will overwrite any names you currently have in the list. Do you wish to continue?");
    QTest::newRow("empty list: imported, no question") << QStringList() << 1 << false << false << ""
                                                       << "" << imported;
    QTest::newRow("names in the list: asked first, Yes") << old << 1 << false << false << "Yes" << confirm << imported;
    QTest::newRow("names in the list: No keeps them") << old << 1 << false << false << "No" << confirm << old;
    QTest::newRow("a dialog is open: after it has closed") << old << 1 << true << false << "Yes" << confirm << imported;
    QTest::newRow("several files: refused as when dropped")
        << old << 2 << false << false << "OK"
        << "Only one file can be imported at a time. The list is unchanged." << old;
    QTest::newRow("while shuffling: not imported, as a drop") << old << 1 << false << true << ""
                                                              << "" << old;
}

void TestOpenFiles::openFiles()
{
    QFETCH(QStringList, before);
    QFETCH(int, files);
    QFETCH(bool, dialogOpen);
    QFETCH(bool, shuffling);
    QFETCH(QString, answer);
    QFETCH(QString, prompt);
    QFETCH(QStringList, after);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.sound = f.shaky = f.flashy = false;
    f.nameList->append(before);
    f.show();
    if (shuffling)
        f.toggleShuffle();
    const QString path = fx.appDir.filePath("names.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Ann\nBob\n") == 8);
    file.close();
    if (answer == QLatin1String("Yes"))
        fx.prompter.answer(Prompter::Answer::Yes);
    else if (answer == QLatin1String("No"))
        fx.prompter.answer(Prompter::Answer::No);
    else if (answer == QLatin1String("OK"))
        fx.prompter.expectMessage();

    const QStringList paths(files, path);
    if (dialogOpen) {
        // Handed over while another dialog of the window waits for the user.
        QDialog dialog(&f);
        QStringList namesMeanwhile;
        qsizetype questionsMeanwhile = -1;
        QTimer::singleShot(0, &dialog, [&] {
            f.openFiles(paths);
            QTest::qWait(50);
            namesMeanwhile = f.nameList->names();
            questionsMeanwhile = fx.prompter.calls.size();
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(questionsMeanwhile, 0);
        QCOMPARE(namesMeanwhile, before);
    } else {
        f.openFiles(paths);
    }
    QTRY_COMPARE(fx.prompter.calls.size(), int(!answer.isEmpty()));
    if (!answer.isEmpty())
        QCOMPARE(fx.prompter.calls[0].prompt, prompt);
    QTRY_COMPARE(f.nameList->names(), after);
    QCOMPARE(fx.prompter.pending(), 0);
}

QTEST_MAIN(TestOpenFiles)
#include "test_openfiles.moc"
