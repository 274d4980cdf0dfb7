#include "MainWindow.h"

#include "ListBox.h"
#include "MainWindowTexts.h"
#include "files/NameListFiles.h"
#include "history/DrawHistory.h"
#include "history/DrawsWindow.h"
#include "ui/Prompter.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QPushButton>
#include <QTimer>

// The draws' records: each Stop, and the names set aside or brought back, kept in the
// settings; the Draws window lists them.

namespace {

constexpr int kStoreDrawDelayMs = 100;

} // namespace

void MainWindow::startDrawRecord(std::uint64_t seed)
{
    storeDrawRecord();
    m_reorders = 0;
    m_drawStart.reset();
    if (!m_keepDraws)
        return;
    // Fingerprinted now, while the shuffle starts, so that Stop does no work a name.
    DrawStart start;
    start.before = m_nameList->names();
    start.fingerprint = listFingerprint(start.before);
    start.seed = seed;
    m_drawStart = std::move(start);
}

void MainWindow::recordDraw()
{
    // Not when recording was switched off (or on) while the shuffle ran.
    std::optional<DrawStart> start = std::exchange(m_drawStart, std::nullopt);
    if (!start || !m_keepDraws)
        return;
    QStringList first;
    for (int i = 0; i < std::min(m_nameList->count(), DrawRecord::kShownNames); ++i)
        first.append(m_nameList->nameAt(i));
    m_unstoredDraw = UnstoredDraw{DrawRecord::ofDraw(int(start->before.size()), start->fingerprint, first, m_reorders,
                                                     start->seed, QDateTime::currentDateTime()),
                                  std::move(start->before)};
    // Stored once the window shows the draw: the file of a long list takes longer to write
    // than Stop may (about 20 ms for 32,767 names).
    QTimer::singleShot(kStoreDrawDelayMs, this, &MainWindow::storeDrawRecord);
}

void MainWindow::storeDrawRecord()
{
    const std::optional<UnstoredDraw> draw = std::exchange(m_unstoredDraw, std::nullopt);
    if (!draw)
        return;
    // A record the store does not take is not kept; the draw itself stands.
    m_drawHistory->add(draw->record, draw->before);
    if (m_drawsWindow)
        m_drawsWindow->refresh();
}

void MainWindow::recordRoundEvent(DrawRecord::Kind kind, const QStringList& names)
{
    if (!m_keepDraws || kind == DrawRecord::Kind::Draw || names.isEmpty())
        return;
    storeDrawRecord(); // the draw before it first
    m_drawHistory->add(DrawRecord::ofRoundEvent(kind, names, QDateTime::currentDateTime()));
    if (m_drawsWindow)
        m_drawsWindow->refresh();
}

void MainWindow::setKeepDraws(bool on)
{
    m_keepDraws = on;
    m_settings.setFlag(SettingsKeys::KeepDraws, on);
    if (m_drawsWindow)
        m_drawsWindow->keepBox()->setChecked(on);
}

void MainWindow::showDraws()
{
    storeDrawRecord();
    if (!m_drawsWindow) {
        m_drawsWindow = new DrawsWindow(*m_drawHistory, this);
        m_drawsWindow->keepBox()->setChecked(m_keepDraws);
        connect(m_drawsWindow->keepBox(), &QCheckBox::toggled, this, &MainWindow::setKeepDraws);
        connect(m_drawsWindow->printButton(), &QPushButton::clicked, this, &MainWindow::printDraw);
        connect(m_drawsWindow->exportButton(), &QPushButton::clicked, this, &MainWindow::exportDraw);
        connect(m_drawsWindow->forgetButton(), &QPushButton::clicked, this, &MainWindow::forgetDraws);
    } else {
        m_drawsWindow->refresh();
    }
    m_drawsWindow->show();
    m_drawsWindow->raise();
    m_drawsWindow->activateWindow();
}

void MainWindow::exportDraw()
{
    const std::optional<qint64> sequence = m_drawsWindow ? m_drawsWindow->selected() : std::nullopt;
    const std::optional<DrawHistory::Entry> entry = sequence ? m_drawHistory->entry(*sequence) : std::nullopt;
    if (!entry || entry->record.kind != DrawRecord::Kind::Draw)
        return;
    NameListFiles files(*m_services.prompter, m_drawsWindow, m_settings);
    files.exportDrawRecord(m_drawHistory->file(entry->sequence), DrawHistory::fileName(entry->record));
}

void MainWindow::forgetDraws()
{
    if (m_services.prompter->askYesNo(
            //: Title of the question before every draw's record is removed.
            tr("Forget All Draws"), tr("Forget the records of every draw? The list of names stays as it is."),
            Prompter::Icon::Question) != Prompter::Answer::Yes)
        return;
    if (m_drawHistory->forgetAll() != StoreStatus::Ok) {
        //: %1 is where the settings are kept (a file path, or the registry key).
        m_services.prompter->tell(MainWindowTexts::oops(),
                                  tr("Not every record could be removed from %1.").arg(m_settings.location()),
                                  Prompter::Icon::Warning);
    }
    if (m_drawsWindow)
        m_drawsWindow->refresh();
}
