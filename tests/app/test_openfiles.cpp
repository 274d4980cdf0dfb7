// Files named when the program starts (`nimbrel FILE`, or handed over by a later start):
// which arguments are files, and their import, which is a dropped file's.
#include "MainWindowFixture.h"
#include "app/FileArguments.h"
#include "draw/SeededRandomSource.h"

#include <QDialog>
#include <QSignalSpy>
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
    QTest::addColumn<QStringList>("arguments"); // after the program's name, from /home/ann/work
    QTest::addColumn<QStringList>("files");
    QTest::newRow("relative, cleaned; options are not files")
        << QStringList{"a.txt", "-x", "../my list.txt", "/tmp/./b//c"}
        << QStringList{"/home/ann/work/a.txt", "/home/ann/my list.txt", "/tmp/b/c"};
    QTest::newRow("after --, all are") << QStringList{"--", "-a.txt", "--"}
                                       << QStringList{"/home/ann/work/-a.txt", "/home/ann/work/--"};
}

void TestOpenFiles::filesToOpen()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QCOMPARE(::filesToOpen(QStringList{"/usr/bin/nimbrel"} + arguments, "/home/ann/work"), files);
}

void TestOpenFiles::openFiles_data()
{
    QTest::addColumn<QString>("meanwhile"); // what the window is busy with when the file comes
    QTest::newRow("asked as for a dropped file") << "";
    QTest::newRow("a dialog is open: once it has closed") << "dialog";
    QTest::newRow("shuffling: once stopped") << "shuffle";
}

void TestOpenFiles::openFiles()
{
    QFETCH(QString, meanwhile);
    MainWindowFixture fx;
    SeededRandomSource random; // as many re-orders as the timer makes
    fx.source = &random;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    f.hat().append(QStringList{"Old", "Older"});
    QFile file(fx.appDir.filePath("names.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Ann\nBob\n") == 8);
    file.close();
    fx.prompter.answer(Prompter::Answer::Yes);
    if (meanwhile == "dialog") { // handed over while another dialog of the window waits for the user
        QDialog dialog(&f);
        bool waited = false;
        QTimer::singleShot(0, &dialog, [&] {
            f.openFiles({file.fileName()});
            QTest::qWait(50);
            waited = fx.prompter.calls.isEmpty() && f.hat().count() == 2;
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(waited);
    } else if (meanwhile == "shuffle") {
        f.toggleShuffle();
        f.openFiles({file.fileName()});
        QSignalSpy reordered(&f.hat(), &Hat::reordered);
        QVERIFY(reordered.wait() && reordered.wait());
        QVERIFY(fx.prompter.calls.isEmpty());
        f.toggleShuffle();
    } else {
        f.openFiles({file.fileName()});
    }
    QTRY_COMPARE(fx.prompter.calls.size(), 1);
    QCOMPARE(fx.prompter.calls[0].prompt,
             "This will overwrite any names you currently have in the list. Do you wish to continue?");
    QTRY_COMPARE(f.hat().names(), (QStringList{"Ann", "Bob"}));
}

QTEST_MAIN(TestOpenFiles)
#include "test_openfiles.moc"
