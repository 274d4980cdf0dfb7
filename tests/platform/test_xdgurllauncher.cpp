#include "TestHome.h"
#include "platform/linux/XdgUrlLauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real launcher over xdg-utils, with a desktop of our own: temporary XDG folders, no
// desktop environment to defer to, and no browser to fall back on.
class TestXdgUrlLauncher : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void noProgramRegistered_data();
    void noProgramRegistered();
    void registeredProgramReceivesTheAddress_data();
    void registeredProgramReceivesTheAddress();
    void xdgOpenFails_data();
    void xdgOpenFails();
    void doesNotWaitForTheProgram();

private:
    // A .desktop handler for scheme whose command writes its one argument to marker().
    void registerHandler(const QString& scheme, const QString& extraCommand = QString());
    QString marker() const { return m_home->path() + QStringLiteral("/marker"); }
    QString readMarker() const;

    std::unique_ptr<TestHome> m_home;
    QTemporaryDir m_systemDirs;
};

void TestXdgUrlLauncher::init()
{
    m_home.reset(); // the old home puts the environment back before the new one takes it
    m_home = std::make_unique<TestHome>();
    QDir().mkpath(m_home->path() + QStringLiteral("/data/applications"));
    qputenv("XDG_DATA_DIRS", m_systemDirs.path().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", m_systemDirs.path().toLocal8Bit());
    qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
    qputenv("BROWSER", "false");
    for (const char* var : {"WAYLAND_DISPLAY", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                            "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION"})
        qunsetenv(var);
}

void TestXdgUrlLauncher::registerHandler(const QString& scheme, const QString& extraCommand)
{
    const QString script = m_home->path() + QStringLiteral("/handler-") + scheme;
    QFile s(script);
    QVERIFY(s.open(QIODevice::WriteOnly));
    s.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n%2\n").arg(marker(), extraCommand).toUtf8());
    s.close();
    s.setPermissions(s.permissions() | QFile::ExeOwner);

    const QString desktop = QStringLiteral("fake-") + scheme + QStringLiteral(".desktop");
    QFile d(m_home->path() + QStringLiteral("/data/applications/") + desktop);
    QVERIFY(d.open(QIODevice::WriteOnly));
    d.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Fake\nExec=%1 %u\nMimeType=x-scheme-handler/%2;\n")
                .arg(script, scheme)
                .toUtf8());
    d.close();
    QCOMPARE(QProcess::execute(QStringLiteral("xdg-mime"),
                               {QStringLiteral("default"), desktop, QStringLiteral("x-scheme-handler/") + scheme}),
             0);
}

QString TestXdgUrlLauncher::readMarker() const
{
    QFile f(marker());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void TestXdgUrlLauncher::noProgramRegistered_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("mail") << "mailto:support@quorvane.example";
    QTest::newRow("web") << "http://www.quorvane.example";
}

void TestXdgUrlLauncher::noProgramRegistered()
{
    QFETCH(QString, target);
    registerHandler(QStringLiteral("gopher")); // another scheme's program is no help
    // A browser that would take any address must not stand in for the missing program.
    const QString browser = m_home->path() + QStringLiteral("/handler-gopher");
    qputenv("BROWSER", browser.toLocal8Bit());
    XdgUrlLauncher launcher;
    QCOMPARE(launcher.open(nullptr, target), int(UrlLauncher::NoAssociation));
    QVERIFY(!QFile::exists(marker()));
}

void TestXdgUrlLauncher::registeredProgramReceivesTheAddress_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("target");
    QTest::newRow("mail") << "mailto"
                          << "mailto:support@quorvane.example";
    QTest::newRow("web") << "http"
                         << "http://www.quorvane.example";
    QTest::newRow("shell characters stay text") << "http"
                                                << "http://x.example/?a=$(touch pwned);b='\"`x`";
}

void TestXdgUrlLauncher::registeredProgramReceivesTheAddress()
{
    QFETCH(QString, scheme);
    QFETCH(QString, target);
    registerHandler(scheme);
    XdgUrlLauncher launcher;
    QCOMPARE_GT(launcher.open(nullptr, target), 32);
    QTRY_COMPARE(readMarker(), target);
}

void TestXdgUrlLauncher::xdgOpenFails_data()
{
    QTest::addColumn<QByteArray>("variable"); // set to value while opening ("" = unset)
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("result");
    QTest::newRow("xdg-open missing") << QByteArray("PATH") << QByteArray("/nonexistent") << QString()
                                      << int(UrlLauncher::FileNotFound);
    // Without a display xdg-open starts no desktop program: it finds no method.
    QTest::newRow("no method") << QByteArray("DISPLAY") << QByteArray() << QString() << int(UrlLauncher::NoAssociation);
    QTest::newRow("program fails") << QByteArray() << QByteArray() << QStringLiteral("exit 1")
                                   << int(UrlLauncher::OutOfResources);
}

void TestXdgUrlLauncher::xdgOpenFails()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(QString, command);
    QFETCH(int, result);
    registerHandler(QStringLiteral("mailto"), command);
    const QByteArray saved = qgetenv(variable.constData());
    if (!variable.isEmpty())
        value.isEmpty() ? qunsetenv(variable.constData()) : qputenv(variable.constData(), value);
    XdgUrlLauncher launcher(30'000); // time enough for xdg-open to finish
    const int got = launcher.open(0, QStringLiteral("mailto:support@quorvane.example"));
    if (!variable.isEmpty())
        qputenv(variable.constData(), saved);
    QCOMPARE(got, result);
}

void TestXdgUrlLauncher::doesNotWaitForTheProgram()
{
    // The program stays open for a minute (as a mail program would until the user is done).
    const QString pidFile = m_home->path() + QStringLiteral("/handler.pid");
    registerHandler(QStringLiteral("mailto"), QStringLiteral("echo $$ > '%1'; exec sleep 60").arg(pidFile));
    XdgUrlLauncher launcher(200);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE_GT(launcher.open(0, QStringLiteral("mailto:support@quorvane.example")), 32);
    QCOMPARE_LT(clock.elapsed(), 30'000);
    QTRY_COMPARE(readMarker(), QStringLiteral("mailto:support@quorvane.example"));
    QTRY_VERIFY(QFile::exists(pidFile));
    QFile pid(pidFile);
    QVERIFY(pid.open(QIODevice::ReadOnly));
    QProcess::execute(QStringLiteral("kill"), {QString::fromLatin1(pid.readAll().trimmed())});
}

QTEST_GUILESS_MAIN(TestXdgUrlLauncher)
#include "test_xdgurllauncher.moc"
