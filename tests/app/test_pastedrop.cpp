#include "MainWindowFixture.h"

#include <QClipboard>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

// Names in by the X11 clipboard (owned by xclip, another program).
class TestPasteDrop : public QObject
{
    Q_OBJECT
private slots:
    void paste_data();
    void paste();
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
    QTest::newRow("CR LF, CR, LF; blank, tab, repeat kept") << QByteArray("Ann\r\nBob\rCy\n\n  \nDee\tDuh\nAnn\r\n")
                                                            << 1 << false << false << lines << QString();
    QTest::newRow("Shift+Insert, last line without an end")
        << QByteArray("Eve\nFay") << 0 << false << true << QStringList{"Eve", "Fay"} << QString();
    QTest::newRow("only line ends: nothing") << QByteArray("\r\n\n\r") << 1 << false << false << QStringList()
                                             << QString();
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

QTEST_MAIN(TestPasteDrop)
#include "test_pastedrop.moc"
