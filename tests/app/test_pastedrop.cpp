#include "MainWindowFixture.h"

#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

// Names in by the X11 clipboard (owned by xclip, another program) and by dropping.
class TestPasteDrop : public QObject
{
    Q_OBJECT
private slots:
    void paste_data();
    void paste();
    void drop_data();
    void drop();
    void dropActions_data();
    void dropActions();
};

void TestPasteDrop::paste_data()
{
    QTest::addColumn<QByteArray>("clipboard");
    QTest::addColumn<int>("before"); // names in the list
    QTest::addColumn<bool>("shuffling");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("message");
    QTest::newRow("CR LF, CR, LF; blank, tab, repeat kept")
        << QByteArray("Ann\r\nBob\rCy\n\n  \nDee\tDuh\nAnn\r\n") << 1 << false
        << QStringList{"Ann", "Bob", "Cy", "  ", "Dee\tDuh", "Ann"} << "";
    QTest::newRow("while shuffling: nothing") << QByteArray("Ann") << 2 << true << QStringList() << "";
    QTest::newRow("over the limit: the first that fit")
        << QByteArray("a\nb\nc\nd\ne") << kMaxNames - 2 << false << QStringList{"a", "b"}
        << "The list can hold at most 32,767 names: 2 of the new names were added, 3 were left out.";
    QTest::newRow("NUL: refused") << QByteArray("a\0b", 3) << 1 << false << QStringList()
                                  << "Could not add the names.\nIt holds NUL characters, so it is not a list of "
                                     "names.\nThe list is unchanged.";
}

void TestPasteDrop::paste()
{
    QFETCH(QByteArray, clipboard);
    QFETCH(int, before);
    QFETCH(bool, shuffling);
    QFETCH(QStringList, added);
    QFETCH(QString, message);
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || QStandardPaths::findExecutable("xclip").isEmpty())
        QSKIP("needs an X server and xclip");
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-quiet"});
    xclip.write(clipboard);
    xclip.closeWriteChannel();
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(clipboard));

    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    f.hat().append(QStringList(before, QStringLiteral("Old")));
    f.show();
    f.activateWindow(); // the shortcut is the active window's
    QVERIFY(QTest::qWaitForWindowActive(&f));
    if (shuffling)
        f.toggleShuffle();
    if (!message.isEmpty())
        fx.prompter.expectMessage();
    const QSignalSpy steps(nameList(f), &ListBox::countChanged);
    // Ctrl+V on the list, Shift+Insert on a button: both paste once.
    QTest::keyClick(nameList(f), Qt::Key_V, Qt::ControlModifier);
    if (message.isEmpty())
        QTest::keyClick(button(f, "exitButton"), Qt::Key_Insert, Qt::ShiftModifier);
    const int pastes = message.isEmpty() ? 2 : 1;
    QCOMPARE(f.hat().names().mid(before), pastes == 2 ? added + added : added);
    QCOMPARE(steps.size(), added.isEmpty() ? 0 : pastes); // one step a paste
    QCOMPARE(fx.prompter.calls.size(), int(!message.isEmpty()));
    if (!message.isEmpty())
        QCOMPARE(fx.prompter.calls[0].prompt, message);
    xclip.kill();
    xclip.waitForFinished();
}

void TestPasteDrop::drop_data()
{
    QTest::addColumn<QStringList>("files"); // in the program folder; "." is the folder itself
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shuffling");
    QTest::addColumn<QString>("answer"); // to the one question (Yes) or message (OK), "" when none comes
    QTest::addColumn<QString>("prompt"); // %1 the first file
    QTest::addColumn<QStringList>("after");
    const QStringList old{"Old", "Older"}, file{"names.txt"}, imported{"Ann", "  ", "Ann"};
    const QString confirm("This will overwrite any names you currently have in the list. Do you wish to continue?");
    QTest::newRow("file, empty list: no question") << file << "" << false << ""
                                                   << "" << imported;
    QTest::newRow("file, Yes") << file << "" << false << "Yes" << confirm << imported;
    QTest::newRow("several files") << file + file << "" << false << "OK"
                                   << "Only one file can be imported at a time. The list is unchanged." << old;
    QTest::newRow("a folder") << QStringList{"."} << "" << false << "OK"
                              << "Could not import \"%1\".\nIt is a folder, not a file.\nThe list is unchanged." << old;
    QTest::newRow("text: added as pasted") << QStringList() << "Kim\r\n\r\nLou" << false << ""
                                           << "" << old + QStringList{"Kim", "Lou"};
    QTest::newRow("file while shuffling") << file << "" << true << ""
                                          << "" << old;
}

void TestPasteDrop::drop()
{
    QFETCH(QStringList, files);
    QFETCH(QString, text);
    QFETCH(bool, shuffling);
    QFETCH(QString, answer);
    QFETCH(QString, prompt);
    QFETCH(QStringList, after);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    fx.setEffects(false, false, false);
    const QStringList before = QTest::currentDataTag() == QLatin1String("file, empty list: no question")
                                   ? QStringList()
                                   : QStringList{"Old", "Older"};
    f.hat().append(before);
    if (shuffling)
        f.toggleShuffle();
    const QString names = fx.appDir.filePath("names.txt");
    QFile file(names);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Ann\r\n\r\n  \nAnn") == 13);
    file.close();
    QList<QUrl> urls;
    for (const QString& name : files)
        urls << QUrl::fromLocalFile(fx.appDir.filePath(name));
    QMimeData mime;
    mime.setUrls(urls);
    mime.setText(urls.isEmpty() ? text : urls[0].toLocalFile()); // file managers give the path as text too
    if (answer == QLatin1String("Yes"))
        fx.prompter.answer(Prompter::Answer::Yes);
    else if (answer == QLatin1String("OK"))
        fx.prompter.expectMessage();

    // Shift asks for a move: the window only ever copies.
    QDragEnterEvent enter(QPoint(50, 50), Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&f, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&f, &drop);
    QCOMPARE(enter.isAccepted(), !shuffling);
    QCOMPARE(drop.isAccepted(), !shuffling);
    if (!shuffling)
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QTRY_COMPARE(fx.prompter.calls.size(), int(!answer.isEmpty()));
    if (!answer.isEmpty())
        QCOMPARE(fx.prompter.calls[0].prompt, prompt.contains("%1") ? prompt.arg(urls[0].toLocalFile()) : prompt);
    QTRY_COMPARE(f.hat().names(), after);
    const bool imported = after != before && !files.isEmpty();
    QCOMPARE(MainWindowFixture::stored(SettingsKeys::LastUsedFolder), imported ? names : "unset");
}

void TestPasteDrop::dropActions_data()
{
    QTest::addColumn<bool>("file"); // a file, or text
    QTest::addColumn<Qt::DropActions>("offered");
    QTest::addColumn<bool>("taken"); // as a copy
    for (const bool file : {true, false}) {
        const char* what = file ? "file" : "text";
        // A move would have the source delete the file or cut the text: never taken.
        QTest::addRow("%s: move only", what) << file << Qt::DropActions(Qt::MoveAction) << false;
        QTest::addRow("%s: link only", what) << file << Qt::DropActions(Qt::LinkAction) << false;
        QTest::addRow("%s: move or link", what) << file << (Qt::MoveAction | Qt::LinkAction) << false;
        QTest::addRow("%s: copy only", what) << file << Qt::DropActions(Qt::CopyAction) << true;
        QTest::addRow("%s: move proposed, copy allowed", what) << file << (Qt::MoveAction | Qt::CopyAction) << true;
    }
}

void TestPasteDrop::dropActions()
{
    QFETCH(bool, file);
    QFETCH(Qt::DropActions, offered);
    QFETCH(bool, taken);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    const QString names = fx.appDir.filePath("names.txt");
    QFile list(names);
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("Ann\r\n") == 5);
    list.close();
    QMimeData mime;
    if (file)
        mime.setUrls({QUrl::fromLocalFile(names)});
    mime.setText(file ? names : QStringLiteral("Kim"));
    // Shift: the user asks for a move wherever one is offered.
    QDragEnterEvent enter(QPoint(50, 50), offered, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&f, &enter);
    QDragMoveEvent move(QPoint(60, 60), offered, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&f, &move);
    QDropEvent drop(QPointF(60, 60), offered, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&f, &drop);
    QCOMPARE(enter.isAccepted(), taken);
    QCOMPARE(move.isAccepted(), taken);
    QCOMPARE(drop.isAccepted(), taken);
    // Whatever the window says back is never a move.
    for (const QDropEvent* event : {static_cast<QDropEvent*>(&enter), static_cast<QDropEvent*>(&move), &drop})
        if (event->isAccepted())
            QCOMPARE(event->dropAction(), Qt::CopyAction);
    QTRY_COMPARE(f.hat().names(), taken ? QStringList{file ? "Ann" : "Kim"} : QStringList());
    QVERIFY(QFile::exists(names));
}

QTEST_MAIN(TestPasteDrop)
#include "test_pastedrop.moc"
