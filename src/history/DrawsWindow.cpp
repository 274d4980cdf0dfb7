#include "DrawsWindow.h"

#include "DrawHistory.h"
#include "files/NameListFiles.h"
#include "print/PrintLines.h"
#include "settings/Settings.h"
#include "ui/Prompter.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int kSequenceRole = Qt::UserRole;

// How a record's fields name the drawn names ("Drawn 1: Ann"), as its file writes them.
const QString kDrawnField = QStringLiteral("Drawn ");

// Shows the names of the record in view in face, which joins and shapes every script's
// letters (a fixed-width face lacks some Arabic forms, and its fallback breaks the joining);
// the fields stay fixed-width.
void showNamesIn(QPlainTextEdit* view, const QFont& face)
{
    QTextCharFormat nameFormat;
    nameFormat.setFontFamilies({face.family()});
    QTextCursor cursor(view->document());
    cursor.beginEditBlock();
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.isEmpty()) {
            // The list follows the blank line: one name a line, to the end.
            cursor.setPosition(block.position());
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(nameFormat);
            break;
        }
        if (text.startsWith(kDrawnField)) {
            const qsizetype name = text.indexOf(QLatin1String(": ")) + 2;
            cursor.setPosition(block.position() + int(name));
            cursor.setPosition(block.position() + int(text.size()), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(nameFormat);
        }
    }
    cursor.endEditBlock();
}

} // namespace

DrawsWindow::DrawsWindow(DrawHistory& history, const Services& services, QWidget* owner)
    : QWidget(owner, Qt::Window), m_history(history), m_services(services)
{
    setObjectName(QStringLiteral("drawsWindow"));
    //: Title of the window that lists the recorded draws.
    setWindowTitle(tr("Draws"));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("drawList"));
    //: What a screen reader calls the list of recorded draws.
    m_list->setAccessibleName(tr("Recorded draws"));
    // Whole lines, however narrow the pane: a line's end holds the first name drawn, which
    // a right-to-left line puts past the pane's left edge.
    m_list->setWordWrap(true);
    m_list->setResizeMode(QListView::Adjust);
    m_record = new QPlainTextEdit;
    m_record->setObjectName(QStringLiteral("recordView"));
    //: What a screen reader calls the text of the selected draw's record.
    m_record->setAccessibleName(tr("Record"));
    m_record->setReadOnly(true);
    m_record->setUndoRedoEnabled(false);
    m_record->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_record->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The record's fields are data read left to right, in a mirrored window too: laid out
    // right to left, the view would open at the lines' far ends. Each line reads in its own
    // direction (that of its first letter, as ownDirection() tells), so a name of the list in
    // Arabic reads as one, all lines starting at the left edge.
    m_record->setLayoutDirection(Qt::LeftToRight);
    QTextOption lines = m_record->document()->defaultTextOption();
    lines.setTextDirection(Qt::LayoutDirectionAuto);
    lines.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    m_record->document()->setDefaultTextOption(lines);
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
    //: Check box of the Draws window, shown when there are several lists: lists the draws of every list.
    m_everyList = new QCheckBox(tr("Every List"));
    m_everyList->setObjectName(QStringLiteral("everyListBox"));
    m_everyList->setVisible(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_keep);
    buttons->addWidget(m_everyList);
    buttons->addStretch();
    for (QPushButton* b : {m_print, m_export, m_forget})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(760, 420);

    connect(m_list, &QListWidget::currentRowChanged, this, &DrawsWindow::showSelected);
    connect(m_print, &QPushButton::clicked, this, &DrawsWindow::printSelected);
    connect(m_export, &QPushButton::clicked, this, &DrawsWindow::exportSelected);
    connect(m_forget, &QPushButton::clicked, this, &DrawsWindow::forgetAll);
    connect(m_everyList, &QCheckBox::toggled, this, &DrawsWindow::refresh);
    refresh();
}

void DrawsWindow::setLists(int current, const QList<int>& lists)
{
    m_currentList = current;
    m_lists = lists;
    m_everyList->setVisible(lists.size() > 1);
    refresh();
}

void DrawsWindow::refresh()
{
    const std::optional<qint64> was = selected();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const QList<DrawHistory::Entry>& entries = m_history.entries();
    const bool every = m_everyList->isChecked() && m_lists.size() > 1;
    for (auto e = entries.crbegin(); e != entries.crend(); ++e) {
        const int list = std::max(e->record.listId, 1);
        if (every ? !m_lists.contains(list) : list != m_currentList)
            continue;
        QString line = DrawHistory::line(e->record);
        if (every && !e->record.listName.isEmpty())
            //: A line of the Draws window showing every list's draws: %1 the line, %2 the list's name then.
            line = tr("%1   (%2)").arg(line, e->record.listName);
        auto* item = new QListWidgetItem(line, m_list);
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
    showNamesIn(m_record, font());
    m_print->setEnabled(entry.has_value());
    // Only a draw's file can be checked: a round event has nothing to do again.
    m_export->setEnabled(entry && entry->record.kind == DrawRecord::Kind::Draw && !file.isEmpty());
    m_forget->setEnabled(m_list->count() > 0);
}

void DrawsWindow::printSelected()
{
    if (!selected())
        return;
    QStringList lines = selectedText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    printLines(m_services.printer, lines, *m_services.prompter);
}

void DrawsWindow::exportSelected()
{
    const std::optional<qint64> sequence = selected();
    const std::optional<DrawHistory::Entry> entry = sequence ? m_history.entry(*sequence) : std::nullopt;
    if (!entry || entry->record.kind != DrawRecord::Kind::Draw)
        return;
    NameListFiles files(*m_services.prompter, this, *m_services.settings);
    files.exportDrawRecord(m_history.file(entry->sequence), DrawHistory::fileName(entry->record));
}

void DrawsWindow::forgetAll()
{
    Prompter& prompter = *m_services.prompter;
    QString question = QCoreApplication::translate(
        "MainWindow", "Forget the records of every draw? The list of names stays as it is.");
    if (m_lists.size() > 1)
        //: Asked before every draw's record is removed, when there are several lists (the records of each go).
        question = tr("Forget the records of every draw, from every list? The lists of names stay as they are.");
    if (prompter.askYesNo(
            //: Title of the question before every draw's record is removed.
            QCoreApplication::translate("MainWindow", "Forget All Draws"), question, Prompter::Icon::Question) !=
        Prompter::Answer::Yes)
        return;
    if (m_history.forgetAll() != StoreStatus::Ok) {
        prompter.tell(QCoreApplication::translate("MainWindow", "Oops!"),
                      //: %1 is where the settings are kept (a file path, or the registry key).
                      QCoreApplication::translate("MainWindow", "Not every record could be removed from %1.")
                          .arg(m_services.settings->location()),
                      Prompter::Icon::Warning);
    }
    refresh();
}
