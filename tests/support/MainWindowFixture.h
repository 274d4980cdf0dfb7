#pragma once

#include "QueuedRandomSource.h"
#include "RecordingPrinter.h"
#include "RecordingSoundPlayer.h"
#include "RecordingUrlLauncher.h"
#include "ScriptedPrompter.h"
#include "TestHome.h"
#include "app/ListBox.h"
#include "app/ListMenu.h"
#include "app/MainWindow.h"
#include "app/ShuffleEffects.h"
#include "app/Translation.h"
#include "hat/Hat.h"
#include "settings/StoreTexts.h"
#include "history/DrawsWindow.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"
#include "ui/BackColor.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

// The main window's controls, found as a user finds them: by their names.
inline ListBox* nameList(const QWidget& f)
{
    return f.findChild<ListBox*>(QStringLiteral("nameList"));
}
inline QPushButton* button(const QWidget& f, const char* name)
{
    return f.findChild<QPushButton*>(QString::fromLatin1(name));
}

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

// The built program's folder, for its catalogues; a test run as another user is handed a
// copy it may read (tests/support/run-unprivileged).
inline QString builtProgramFolder()
{
    return qEnvironmentVariable("NIMBREL_TEST_PROGRAM_DIR", QStringLiteral(NIMBREL_PROGRAM_DIR));
}

// A main window over scripted services, a temporary settings store and a temporary
// program folder.
struct MainWindowFixture
{
    Translation english{builtProgramFolder(), {QStringLiteral("en")}}; // as the program speaks it
    TestHome home;
    QTemporaryDir appDir;
    ScriptedPrompter prompter;
    RecordingSoundPlayer player;
    QueuedRandomSource random;
    RecordingUrlLauncher launcher;
    RecordingPrinter recorder;
    PrinterDevice* printer = &recorder; // the window's printer; set before open()
    RandomSource* source = &random;     // the window's random source; set before open()
    bool windowPlacesItself = true;     // false: as in a Wayland session; set before open()
    std::unique_ptr<MainWindow> form;
    std::shared_ptr<SettingsStore> registry; // the main window's store; the user's when null
    std::unique_ptr<Settings> settings;      // the window's settings over that store, made by open()

    MainWindow& open(const QString& appPath = QString())
    {
        const QString folder = appPath.isNull() ? appDir.path() : appPath;
        form.reset();
        settings.reset(); // the store closes before it is opened again, as between two runs
        settings = std::make_unique<Settings>(registry ? registry : openUserStore(), folder);
        MainWindowServices services{&prompter, &player, source, folder, settings.get()};
        services.launcher = &launcher;
        services.printer = printer;
        services.windowPlacesItself = windowPlacesItself;
        form = std::make_unique<MainWindow>(services);
        return *form;
    }

    // Closes the window the way the close box does, and the store as the program's end does.
    void close()
    {
        form->close();
        form.reset();
        settings.reset();
    }

    // The shuffle's effects, stored as Options stores them: the window follows its settings.
    void setEffects(bool shake, bool flash, bool sound)
    {
        settings->setFlag(SettingsKeys::Shake, shake);
        settings->setFlag(SettingsKeys::Flash, flash);
        settings->setFlag(SettingsKeys::Sound, sound);
    }

    void writeSound(const QByteArray& bytes)
    {
        QFile f(appDir.filePath(QStringLiteral("shuffle.wav")));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    // Settings of our own over the user's store, as another copy of the program.
    static Settings store() { return Settings(openUserStore()); }
    // The text stored for key, or absent when there is none.
    static QString stored(SettingsKeys::Key key, const QString& absent = QStringLiteral("unset"))
    {
        key.defaultValue = absent;
        key.form = SettingsKeys::Form::Text;
        return store().text(key);
    }

    static QStringList names(const MainWindow& f) { return f.hat().names(); }
    // The colour the user sees at the top right corner of w, drawn with what lies under it.
    static QColor shown(const QWidget* w)
    {
        const QPoint at = w->mapTo(w->window(), QPoint(w->width() - 1, 0));
        return w->window()->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
    }
};
