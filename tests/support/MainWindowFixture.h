#pragma once

#include "QueuedRandomSource.h"
#include "RecordingPrinter.h"
#include "RecordingSoundPlayer.h"
#include "RecordingUrlLauncher.h"
#include "ScriptedPrompter.h"
#include "TestHome.h"
#include "app/ListBox.h"
#include "app/MainWindow.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "ui/BackColor.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

// While alive, disabled buttons are drawn in another face colour than enabled ones, as
// under styles and palettes that grey out disabled controls.
struct DisabledButtonsLookDifferent
{
    QPalette saved = QApplication::palette();
    DisabledButtonsLookDifferent()
    {
        QPalette p = saved;
        p.setColor(QPalette::Active, QPalette::Button, QColor(0xef, 0xef, 0xef));
        p.setColor(QPalette::Inactive, QPalette::Button, QColor(0xef, 0xef, 0xef));
        p.setColor(QPalette::Disabled, QPalette::Button, QColor(0xe3, 0xe3, 0xe3));
        QApplication::setPalette(p);
    }
    ~DisabledButtonsLookDifferent() { QApplication::setPalette(saved); }
    static QColor restColour() { return QColor(0xef, 0xef, 0xef); }
};

// A main window over scripted services, a temporary settings store and a temporary
// program folder.
struct MainWindowFixture
{
    TestHome home;
    QTemporaryDir appDir;
    ScriptedPrompter prompter;
    RecordingSoundPlayer player;
    QueuedRandomSource random;
    RecordingUrlLauncher launcher;
    RecordingPrinter recorder;
    PrinterDevice* printer = &recorder; // the window's printer; set before open()
    std::unique_ptr<MainWindow> form;
    std::shared_ptr<RegistryApi> registry; // the main window's store; the user's when null

    MainWindow& open(const QString& appPath = QString())
    {
        MainWindowServices services{&prompter, &player, &random, appPath.isNull() ? appDir.path() : appPath, registry};
        services.launcher = &launcher;
        services.printer = printer;
        form = std::make_unique<MainWindow>(services);
        return *form;
    }

    // Closes the window the way the close box does.
    void close()
    {
        form->close();
        form.reset();
    }

    void writeSound(const QByteArray& bytes)
    {
        QFile f(appDir.filePath(QStringLiteral("shuffle.wav")));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    // A settings store of our own, addressing the program's key.
    static Settings store()
    {
        Settings s;
        s.setCompany(SettingsKeys::Company);
        s.setAppName(SettingsKeys::AppName);
        return s;
    }

    static QStringList names(const MainWindow& f) { return f.nameList->names(); }
};
