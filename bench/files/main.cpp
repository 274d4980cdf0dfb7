// Import and export of the largest list through the main window's two buttons, with the
// dialogs answered at once, and the same list pasted into an empty list.
#include "BenchSupport.h"
#include "app/ListBox.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int kNames = 32767;
constexpr int kRuns = 7;

// Yes to every question, the same file from every dialog.
class AnsweringPrompter : public Prompter
{
public:
    explicit AnsweringPrompter(QString path) : m_path(std::move(path)) {}
    void tell(const QString&, const QString&, Icon) override {}
    Answer askYesNo(const QString&, const QString&, Icon) override { return Answer::Yes; }
    QString askText(const QString&, const QString&) override { return {}; }
    QString chooseFileToOpen(QWidget*, const QList<FileFilter>&, const QString&, const QString&) override
    {
        return m_path;
    }
    QString chooseFileToSave(QWidget*, const QList<FileFilter>&, const QString&, const QString&) override
    {
        return m_path;
    }

private:
    QString m_path;
};

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);

    const QString path = home.filePath(QStringLiteral("names.txt"));
    AnsweringPrompter prompter(path);
    BenchServices services;
    MainWindowServices withPrompter = services.withFolder(QApplication::applicationDirPath());
    withPrompter.prompter = &prompter;
    MainWindow form(withPrompter);
    const QStringList names = randomNames(kNames, 20, 60);

    std::vector<double> exports;
    std::vector<double> imports;
    std::vector<double> pastes;
    for (int run = 0; run < kRuns; ++run) {
        form.hat().clear();
        form.hat().append(names);
        QFile::remove(path);
        QElapsedTimer clock;
        clock.start();
        form.exportList();
        exports.push_back(double(clock.nsecsElapsed()) / 1e6);

        form.hat().clear();
        form.hat().append(QStringLiteral("to be replaced"));
        clock.restart();
        form.importList();
        imports.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (form.hat().count() != kNames || form.hat().nameAt(kNames - 1) != names.last()) {
            std::fprintf(stderr, "imported %d names, expected %d\n", form.hat().count(), kNames);
            return 1;
        }

        // One name a line, as a column copied from a spreadsheet.
        QGuiApplication::clipboard()->setText(names.join(u'\n'));
        form.hat().clear();
        clock.restart();
        form.pasteNames();
        pastes.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (form.hat().names() != names) {
            std::fprintf(stderr, "pasted %d names, expected %d\n", form.hat().count(), kNames);
            return 1;
        }
    }
    std::printf("import_32767: %.1f ms\n", median(imports));
    std::printf("export_32767: %.1f ms\n", median(exports));
    std::printf("paste_32767: %.1f ms\n", median(pastes));
    return 0;
}
