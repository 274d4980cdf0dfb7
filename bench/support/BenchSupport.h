#pragma once

// Shared by the benchmarks: the window's real services, but silent, and a median.
#include "app/Form1.h"
#include "draw/ClockRandomSource.h"
#include "platform/SoundPlayer.h"
#include "print/QtPrinterDevice.h"
#include "ui/QtPrompter.h"

#include <algorithm>
#include <vector>

class Silence : public SoundPlayer
{
public:
    void play(const QByteArray&) override {}
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
    QtPrinterDevice printer;

    Form1Services withFolder(const QString& appPath)
    {
        Form1Services services{&prompter, &silence, &random, appPath, {}};
        services.printer = &printer;
        return services;
    }
};
