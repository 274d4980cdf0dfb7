#include "help/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestHelpFile : public QObject
{
    Q_OBJECT
private slots:
    void popupText_data();
    void popupText();
    void shippedFileHasEveryTopic();
};

void TestHelpFile::popupText_data()
{
    // kind: "file" writes content to the help file; "missing" and "folder" put no file there.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("topic");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("expected"); // the whole pop-up, or the part after the file's path

    const QByteArray good = "# comment\n\n[3] Remove Name\nline one\n  line two  \n\n\nsecond\n[4] Next\ntext\n";
    QTest::newRow("title and paragraphs")
        << "file" << good << 3 << true << "<p><b>Remove Name</b></p><p>line one line two</p><p>second</p>";
    QTest::newRow("CRLF, byte-order mark, comment in text")
        << "file" << QByteArray("\xEF\xBB\xBF[1] List\r\n# note\r\nNames.\r\n") << 1 << true
        << "<p><b>List</b></p><p>Names.</p>";
    QTest::newRow("markup shown as written") << "file" << QByteArray("[2] a < b\nx & <i>y</i>") << 2 << true
                                             << "<p><b>a &lt; b</b></p><p>x &amp; &lt;i&gt;y&lt;/i&gt;</p>";
    QTest::newRow("largest topic number")
        << "file" << QByteArray("[1] a\n[9999] Last\ntext\n") << 9999 << true << "<p><b>Last</b></p><p>text</p>";
    QTest::newRow("text without title") << "file" << QByteArray("[7]\nOnly text.\n") << 7 << true
                                        << "<p>Only text.</p>";

    // Lines join with a space, but not between two Chinese or Japanese characters.
    QTest::newRow("Chinese lines") << "file" << QByteArray("[1] 名单\n这是您的\n名单。\n") << 1 << true
                                   << "<p><b>名单</b></p><p>这是您的名单。</p>";
    QTest::newRow("kana and full-width punctuation") << "file" << QByteArray("[1]\n追加し\nます。\nリスト（\n全角）\n")
                                                     << 1 << true << "<p>追加します。リスト（全角）</p>";
    QTest::newRow("ideograph outside the basic plane")
        << "file" << QByteArray("[1]\n\xF0\xA0\x80\x80\n\xF0\xA0\x80\x81\n") << 1 << true
        << QStringLiteral("<p>\U00020000\U00020001</p>");
    QTest::newRow("Latin or digits beside Chinese")
        << "file" << QByteArray("[1]\n启动\nNimbrel\n时 100\n回\n") << 1 << true << "<p>启动 Nimbrel 时 100 回</p>";
    QTest::newRow("Korean keeps the space")
        << "file" << QByteArray("[1]\n이름을\n추가\n") << 1 << true << "<p>이름을 추가</p>";

    QTest::newRow("topic not in file") << "file" << good << 12 << true << " has no topic 12.</p>";
    QTest::newRow("empty topic") << "file" << QByteArray("[5]\n\n[6] x\ny\n") << 5 << true
                                 << " has nothing in topic 5.</p>";

    QTest::newRow("missing") << "missing" << QByteArray() << 1 << false << " was not found.</p>";
    QTest::newRow("folder") << "folder" << QByteArray() << 1 << false << " is not a file.</p>";
    QTest::newRow("too large") << "file" << (good + QByteArray(HelpFile::MaxSize, 'x')) << 3 << false
                               << " is too large to be a help file.</p>";
    QTest::newRow("binary") << "file" << QByteArray("[1] a\nb\0c", 9) << 1 << false << " is not a text file.</p>";
    QTest::newRow("not UTF-8") << "file" << QByteArray("[1] Caf\xE9\n") << 1 << false << " is not a text file.</p>";

    const QString badNumber =
        " is damaged (line 2: a topic line needs a number from 1 to 9999 in square brackets).</p>";
    for (const char* line : {"[0] Zero", "[10000] Big", "[99999999999999999999] Huge", "[] None", "[x] Letter",
                             "[-1] Negative", "[12 Unclosed", "[ 3] Blank"})
        QTest::newRow(line) << "file" << (QByteArray("[1] a\n") + line + "\n") << 1 << false << badNumber;
    QTest::newRow("text before first topic") << "file" << QByteArray("\nhello\n[1] a\n") << 1 << false
                                             << " is damaged (line 2: text before the first topic).</p>";
    QTest::newRow("number used twice") << "file" << QByteArray("[1] a\n[2] b\n[1] c\n") << 2 << false
                                       << " is damaged (line 3: topic 1 appears a second time).</p>";
}

void TestHelpFile::popupText()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(int, topic);
    QFETCH(bool, valid);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nimbrel.hlp"));
    if (kind == QLatin1String("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("nimbrel.hlp")));
    }

    const HelpFile help = HelpFile::load(path);
    QCOMPARE(help.isValid(), valid);
    const QString text = help.popupText(topic);
    if (expected.startsWith(u' '))
        QCOMPARE(text, QStringLiteral("<p>Help is not available: the help file ") + QDir::toNativeSeparators(path) +
                           expected);
    else
        QCOMPARE(text, expected);
}

void TestHelpFile::shippedFileHasEveryTopic()
{
    const HelpFile help = HelpFile::load(QStringLiteral(NIMBREL_HELP_FILE));
    QVERIFY2(help.isValid(), qPrintable(help.error()));
    for (int topic = 1; topic <= 12; ++topic) {
        QVERIFY2(!help.topic(topic).title.isEmpty(), qPrintable(QString::number(topic)));
        QVERIFY2(!help.topic(topic).paragraphs.isEmpty(), qPrintable(QString::number(topic)));
    }
    QVERIFY(!help.hasTopic(13));
}

QTEST_GUILESS_MAIN(TestHelpFile)
#include "test_helpfile.moc"
