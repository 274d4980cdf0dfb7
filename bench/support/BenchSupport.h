#pragma once

// Shared by the benchmarks: the window's real services, but silent, and a median.
#include "app/MainWindow.h"
#include "draw/ClockRandomSource.h"
#include "platform/SoundPlayer.h"
#include "platform/UrlLauncher.h"
#include "print/QtPrinterDevice.h"
#include "ui/QtPrompter.h"

#include <algorithm>
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

inline double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

struct BenchServices
{
    QtPrompter prompter;
    Silence silence;
    ClockRandomSource random;
    NoPrograms noPrograms;
    QtPrinterDevice printer;

    MainWindowServices withFolder(const QString& appPath)
    {
        MainWindowServices services{&prompter, &silence, &random, appPath, {}};
        services.launcher = &noPrograms;
        services.printer = &printer;
        return services;
    }
};
