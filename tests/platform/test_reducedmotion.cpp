// What the desktop's wish for less motion reads as, from KDE's kdeglobals and from GNOME's
// settings (a stand-in gsettings on the PATH).
#include "TestHome.h"
#include "platform/ReducedMotion.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestReducedMotion : public QObject
{
    Q_OBJECT
private slots:
    void desktopWish_data();
    void desktopWish();
};

void TestReducedMotion::desktopWish_data()
{
    QTest::addColumn<QByteArray>("kdeglobals"); // "" for no file
    QTest::addColumn<QByteArray>("gsettings");  // the stand-in's script body, "" for none on the PATH
    QTest::addColumn<bool>("reduced");

    QTest::newRow("neither desktop says") << QByteArray() << QByteArray() << false;
    QTest::newRow("KDE: instant animations")
        << QByteArray("[KDE]\nAnimationDurationFactor=0\n") << QByteArray() << true;
    QTest::newRow("KDE: slower animations")
        << QByteArray("[KDE]\nAnimationDurationFactor=0.5\n") << QByteArray() << false;
    QTest::newRow("KDE: factor in another group")
        << QByteArray("[General]\nAnimationDurationFactor=0\n") << QByteArray() << false;
    QTest::newRow("GNOME: animations off") << QByteArray() << QByteArray("echo false") << true;
    QTest::newRow("GNOME: animations on") << QByteArray() << QByteArray("echo true") << false;
    QTest::newRow("GNOME: no such schema") << QByteArray() << QByteArray("echo 'No such schema' >&2; exit 1") << false;
    QTest::newRow("GNOME: no answer in time") << QByteArray() << QByteArray("/bin/sleep 5; echo false") << false;
}

void TestReducedMotion::desktopWish()
{
    QFETCH(QByteArray, kdeglobals);
    QFETCH(QByteArray, gsettings);
    QFETCH(bool, reduced);

    TestHome home;
    QVERIFY(QDir().mkpath(home.configHome()));
    if (!kdeglobals.isEmpty()) {
        QFile file(home.configHome() + QStringLiteral("/kdeglobals"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kdeglobals);
    }
    QTemporaryDir bin;
    if (!gsettings.isEmpty()) {
        QFile script(bin.filePath(QStringLiteral("gsettings")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n[ \"$*\" = 'get org.gnome.desktop.interface enable-animations' ] || exit 2\n" +
                     gsettings + "\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("PATH", path); });

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(desktopPrefersReducedMotion(), reduced);
    QVERIFY2(clock.elapsed() < 2000, "start-up waited for the desktop");
}

QTEST_GUILESS_MAIN(TestReducedMotion)
#include "test_reducedmotion.moc"
