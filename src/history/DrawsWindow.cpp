#include "DrawsWindow.h"

#include "DrawHistory.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

constexpr int kSequenceRole = Qt::UserRole;

} // namespace

DrawsWindow::DrawsWindow(DrawHistory& history, QWidget* owner) : QWidget(owner, Qt::Window), m_history(history)
{
    setObjectName(QStringLiteral("drawsWindow"));
    //: Title of the window that lists the recorded draws.
    setWindowTitle(tr("Draws"));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("drawList"));
    //: What a screen reader calls the list of recorded draws.
    m_list->setAccessibleName(tr("Recorded draws"));
    m_record = new QPlainTextEdit;
    m_record->setObjectName(QStringLiteral("recordView"));
    //: What a screen reader calls the text of the selected draw's record.
    m_record->setAccessibleName(tr("Record"));
    m_record->setReadOnly(true);
    m_record->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_record->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* split = new QSplitter;
    split->addWidget(m_list);
    split->addWidget(m_record);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    //: Check box of the Draws window: whether draws are recorded from now on.
    m_keep = new QCheckBox(tr("Keep a Record of Draws"));
    m_keep->setObjectName(QStringLiteral("keepBox"));
    //: Button of the Draws window: prints the selected record.
    m_print = new QPushButton(tr("Print"));
    m_print->setObjectName(QStringLiteral("printButton"));
    //: Button of the Draws window: saves the selected draw's record as a file.
    m_export = new QPushButton(tr("Export"));
    m_export->setObjectName(QStringLiteral("exportButton"));
    //: Button of the Draws window: removes every record (the list of names stays).
    m_forget = new QPushButton(tr("Forget All Draws"));
    m_forget->setObjectName(QStringLiteral("forgetButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_keep);
    buttons->addStretch();
    for (QPushButton* b : {m_print, m_export, m_forget})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(760, 420);

    connect(m_list, &QListWidget::currentRowChanged, this, &DrawsWindow::showSelected);
    refresh();
}

void DrawsWindow::refresh()
{
    const std::optional<qint64> was = selected();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const QList<DrawHistory::Entry>& entries = m_history.entries();
    for (auto e = entries.crbegin(); e != entries.crend(); ++e) {
        auto* item = new QListWidgetItem(DrawHistory::line(e->record), m_list);
        item->setData(kSequenceRole, e->sequence);
        if (was == e->sequence)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
    showSelected();
}

std::optional<qint64> DrawsWindow::selected() const
{
    if (const QListWidgetItem* item = m_list->currentItem())
        return item->data(kSequenceRole).toLongLong();
    return std::nullopt;
}

QString DrawsWindow::selectedText() const
{
    return m_record->toPlainText();
}

void DrawsWindow::showSelected()
{
    const std::optional<qint64> sequence = selected();
    const std::optional<DrawHistory::Entry> entry = sequence ? m_history.entry(*sequence) : std::nullopt;
    // The one record selected is read whole, its list with it; a draw whose list is lost
    // shows its line.
    const QByteArray file = entry ? m_history.file(entry->sequence) : QByteArray();
    m_record->setPlainText(!file.isEmpty() ? QString::fromUtf8(file)
                           : entry         ? DrawHistory::line(entry->record)
                                           : QString());
    m_print->setEnabled(entry.has_value());
    // Only a draw's file can be checked: a round event has nothing to do again.
    m_export->setEnabled(entry && entry->record.kind == DrawRecord::Kind::Draw && !file.isEmpty());
    m_forget->setEnabled(m_list->count() > 0);
}
