#pragma once

// Shared by the benchmarks: the window's real services, but silent, and a median.
#include "app/MainWindow.h"
#include "app/ShuffleEffects.h"
#include "draw/SeededRandomSource.h"
#include "hat/Hat.h"
#include "platform/SoundPlayer.h"
#include "platform/UrlLauncher.h"
#include "print/QtPrinterDevice.h"
#include "settings/Settings.h"
#include "settings/UserStore.h"
#include "ui/QtPrompter.h"

#include <QEvent>
#include <QProcess>
#include <QRandomGenerator>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

class Silence : public SoundPlayer
{
public:
    void play(const QByteArray&) override {}
};

// Benchmarks open no links: every address has no program.
class NoPrograms : public UrlLauncher
{
protected:
    int launch(quintptr, const QString&) override { return NoAssociation; }
};

// Watches a widget (installed as its event filter) for its first paint.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Runs a command to its end; its standard output, or nothing when it failed.
inline std::optional<QByteArray> run(const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return p.readAllStandardOutput();
}

// A helper process that prints one line once it is ready (Xvfb's display number, the bus
// daemon's address); that line, or nothing when it did not come.
inline std::optional<QByteArray> startAndReadLine(QProcess& process, const QString& program, const QStringList& args)
{
    process.start(program, args);
    QByteArray line;
    while (!line.contains('\n') && process.waitForReadyRead(10000))
        line += process.readAllStandardOutput();
    if (!line.contains('\n'))
        return std::nullopt;
    return line.left(line.indexOf('\n')).trimmed();
}

// Ends a helper process: asked first, then killed.
inline void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
}

// count names of random letters, from shortest to longest letters long, the same for the
// same seed; capitalised: each starts with a capital letter.
inline QStringList randomNames(int count, int shortest, int longest, quint32 seed = 7, bool capitalised = false)
{
    QRandomGenerator rng(seed);
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString name;
        const int length = shortest + int(rng.bounded(longest - shortest + 1));
        for (int c = 0; c < length; ++c)
            name += QChar(char16_t((c == 0 && capitalised ? u'A' : u'a') + rng.bounded(26)));
        names.append(name);
    }
    return names;
}

inline double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

struct BenchServices
{
    QtPrompter prompter;
    Silence silence;
    SeededRandomSource random;
    NoPrograms noPrograms;
    QtPrinterDevice printer;
    std::unique_ptr<Settings> settings;

    // Services for a new window, with settings made afresh over the user's store as a new
    // run of the program has them.
    MainWindowServices withFolder(const QString& appPath)
    {
        settings = std::make_unique<Settings>(openUserStore(), appPath);
        MainWindowServices services{&prompter, &silence, &random, appPath, settings.get()};
        services.launcher = &noPrograms;
        services.printer = &printer;
        return services;
    }
};
