// Printing the largest list, as Print List does, into a PDF file through the real printer
// device. Usage: print [names [pdf-file]] (a given file is kept, to look at).
#include "BenchSupport.h"
#include "print/PrintText.h"
#include "print/QtPrinterDevice.h"
#include "ui/DesignUnits.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kRuns = 3;

// Names of one to four words, now and then one too wide for the line, and the empty line
// Print List ends with.
QStringList listParagraphs(int count)
{
    QRandomGenerator rng(7);
    QStringList paragraphs;
    for (int i = 0; i < count; ++i) {
        QString name;
        const int words = 1 + int(rng.bounded(i % 500 == 0 ? 12 : 3));
        for (int w = 0; w < words; ++w) {
            if (w > 0)
                name += QLatin1Char(' ');
            name += QChar(u'A' + char16_t(rng.bounded(26)));
            const int length = 2 + int(rng.bounded(9));
            for (int c = 0; c < length; ++c)
                name += QChar(u'a' + char16_t(rng.bounded(26)));
        }
        paragraphs << name;
    }
    paragraphs << QString();
    return paragraphs;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int count = args.size() > 1 ? args[1].toInt() : 32767;
    QTemporaryDir dir;
    const QString pdf = args.size() > 2 ? args[2] : dir.filePath(QStringLiteral("list.pdf"));

    const QStringList paragraphs = listParagraphs(count);
    const PrintFont font = QtPrinterDevice::printFont(designFont(13.5, true));

    std::vector<double> times;
    std::vector<double> cpuTimes; // this process's own time, apart from other loads on the machine
    for (int run = 0; run < kRuns; ++run) {
        QtPrinterDevice printer(pdf);
        QElapsedTimer clock;
        clock.start();
        const std::clock_t cpu = std::clock();
        const bool printed = printer.printLine(QStringLiteral(" ")) &&
                             printText(printer, paragraphs, font, PrintAlignment::Left, 1440, 1440, 1440, 1440);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        cpuTimes.push_back(double(std::clock() - cpu) * 1000 / CLOCKS_PER_SEC);
        if (!printed || QFileInfo(pdf).size() == 0) {
            std::fprintf(stderr, "printing failed\n");
            return 1;
        }
    }
    std::printf("print_%d: %.0f ms\n", count, median(times));
    std::printf("print_%d_cpu: %.0f ms\n", count, median(cpuTimes));
    return 0;
}
