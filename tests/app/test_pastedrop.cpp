#include "MainWindowFixture.h"

#include <QClipboard>
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
};

namespace {

QStringList numbered(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::number(i);
    return names;
}

} // namespace

void TestPasteDrop::paste_data()
{
    QTest::addColumn<QByteArray>("clipboard");
    QTest::addColumn<int>("before"); // names in the list
    QTest::addColumn<bool>("shuffling");
    QTest::addColumn<bool>("shiftInsert"); // pressed on a button, else Ctrl+V on the list
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("message");
    const QStringList lines{"Ann", "Bob", "Cy", "  ", "Dee\tDuh", "Ann"};
    QTest::newRow("CR LF, CR, LF; blank, tab, repeat kept")
        << QByteArray("Ann\r\nBob\rCy\n\n  \nDee\tDuh\nAnn\r\n") << 1 << false << false << lines << QString();
    QTest::newRow("Shift+Insert, last line without an end")
        << QByteArray("Eve\nFay") << 0 << false << true << QStringList{"Eve", "Fay"} << QString();
    QTest::newRow("only line ends: nothing")
        << QByteArray("\r\n\n\r") << 1 << false << false << QStringList() << QString();
    QTest::newRow("while shuffling: nothing") << QByteArray("Ann") << 2 << true << true << QStringList() << QString();
    QTest::newRow("over the limit: the first that fit")
        << QByteArray("a\nb\nc\nd\ne") << kMaxNames - 2 << false << false << QStringList{"a", "b"}
        << "The list can hold at most 32,767 names: 2 of the new names were added, 3 were left out.";
    QTest::newRow("full list") << QByteArray("a\n") << kMaxNames << false << false << QStringList()
                               << "The list can hold at most 32,767 names: none of the new names were added, 1 was "
                                  "left out.";
    QTest::newRow("NUL: refused") << QByteArray("a\0b", 3) << 1 << false << false << QStringList()
                                  << "Could not add the names.\nIt holds NUL characters, so it is not a list of "
                                     "names.\nThe list is unchanged.";
}

void TestPasteDrop::paste()
{
    QFETCH(QByteArray, clipboard);
    QFETCH(int, before);
    QFETCH(bool, shuffling);
    QFETCH(bool, shiftInsert);
    QFETCH(QStringList, added);
    QFETCH(QString, message);
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || QStandardPaths::findExecutable("xclip").isEmpty())
        QSKIP("needs an X server and xclip");
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-quiet"});
    QVERIFY(xclip.waitForStarted());
    xclip.write(clipboard);
    xclip.closeWriteChannel();
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(clipboard));

    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.sound = f.shaky = f.flashy = false;
    f.nameList->AddItems(numbered(before));
    f.show();
    f.activateWindow(); // the shortcut is the active window's
    QVERIFY(QTest::qWaitForWindowActive(&f));
    if (shuffling)
        f.toggleShuffle();
    if (!message.isEmpty())
        fx.prompter.answer(Prompter::IDOK);
    const QSignalSpy steps(f.nameList, &ListBox::countChanged);
    if (shiftInsert)
        QTest::keyClick(f.exitButton, Qt::Key_Insert, Qt::ShiftModifier);
    else
        QTest::keyClick(f.nameList, Qt::Key_V, Qt::ControlModifier);
    const qsizetype from = qMax(0, before - 2);
    QCOMPARE(f.nameList->names().mid(from), (numbered(before) + added).mid(from));
    QCOMPARE(steps.size(), int(!added.isEmpty())); // one step, however many names
    QCOMPARE(fx.prompter.calls.size(), int(!message.isEmpty()));
    if (!message.isEmpty())
        QCOMPARE(fx.prompter.calls[0].prompt, message);
    xclip.kill();
    xclip.waitForFinished();
}

void TestPasteDrop::drop_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("files"); // in the program folder; "." is the folder itself
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shuffling");
    QTest::addColumn<int>("answer");     // to the one question or message, 0 when none comes
    QTest::addColumn<QString>("prompt"); // %1 the first file
    QTest::addColumn<QStringList>("after");
    const QStringList old{"Old", "Older"};
    const QStringList file{"names.txt"};
    const QStringList imported{"Ann", "  ", "Ann"};
    const QString confirm("This will overwrite any names you currently have in the list. Do you wish to continue?");
    QTest::newRow("file, empty list: no question") << QStringList() << file << "" << false << 0 << "" << imported;
    QTest::newRow("file, Yes") << old << file << "" << false << int(Prompter::IDYES) << confirm << imported;
    QTest::newRow("file, No") << old << file << "" << false << int(Prompter::IDNO) << confirm << old;
    QTest::newRow("several files") << old << (file + file) << "" << false << int(Prompter::IDOK)
                                   << "Only one file can be imported at a time. The list is unchanged." << old;
    QTest::newRow("a folder") << old << QStringList{"."} << "" << false << int(Prompter::IDOK)
                              << "Could not import \"%1\".\nIt is a folder, not a file.\nThe list is unchanged." << old;
    QTest::newRow("text: added as pasted")
        << old << QStringList() << "Kim\r\n\r\nLou" << false << 0 << "" << old + QStringList{"Kim", "Lou"};
    QTest::newRow("file while shuffling") << old << file << "" << true << 0 << "" << old;
    QTest::newRow("text while shuffling") << old << QStringList() << "Kim" << true << 0 << "" << old;
}

void TestPasteDrop::drop()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, files);
    QFETCH(QString, text);
    QFETCH(bool, shuffling);
    QFETCH(int, answer);
    QFETCH(QString, prompt);
    QFETCH(QStringList, after);
    MainWindowFixture fx;
    MainWindow& f = fx.open();
    f.sound = f.shaky = f.flashy = false;
    f.nameList->AddItems(before);
    if (shuffling)
        f.toggleShuffle();
    QFile names(fx.appDir.filePath("names.txt"));
    QVERIFY(names.open(QIODevice::WriteOnly));
    names.write("Ann\r\n\r\n  \nAnn");
    names.close();
    QList<QUrl> urls;
    for (const QString& name : files)
        urls << QUrl::fromLocalFile(fx.appDir.filePath(name));
    QMimeData mime;
    mime.setUrls(urls);
    mime.setText(text.isEmpty() && !urls.isEmpty() ? urls[0].toLocalFile() : text); // as file managers do
    if (answer)
        fx.prompter.answer(answer);

    // Shift asks for a move: the window only ever copies.
    QDragEnterEvent enter(QPoint(50, 50), Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&f, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&f, &drop);
    QCOMPARE(enter.isAccepted(), !shuffling);
    QCOMPARE(drop.isAccepted(), !shuffling);
    if (!shuffling)
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QTRY_COMPARE(fx.prompter.calls.size(), int(answer != 0));
    if (answer)
        QCOMPARE(fx.prompter.calls[0].prompt, prompt.contains("%1") ? prompt.arg(urls[0].toLocalFile()) : prompt);
    QTRY_COMPARE(f.nameList->names(), after);
    const bool imported = after != before && !files.isEmpty();
    QCOMPARE(MainWindowFixture::stored(SettingsKeys::LastUsedFolder), imported ? names.fileName() : "unset");
}

QTEST_MAIN(TestPasteDrop)
#include "test_pastedrop.moc"
